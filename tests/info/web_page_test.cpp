#include "info/web_page.h"

#include <gtest/gtest.h>

#include <QList>

#include "numeric/handler_fault.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

TEST(WebPage, TheLinkOpensTheShownAddressWithOneClosingSlash) {
    const QString shown = QString::fromLatin1(kWebPageAddress);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_FALSE(shown.endsWith(u'/'));

    QList<QUrl> asked;
    openWebPage([&](const QUrl& url) {
        asked << url;
        return true;
    });
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].isValid());
    EXPECT_TRUE(asked[0].scheme() == u"https"_qs || asked[0].scheme() == u"http"_qs);
    EXPECT_EQ(asked[0].toString(), shown + u'/');
}

TEST(WebPage, AnOpenerThatFailsEndsTheHandlerWithAControlAccessFault) {
    int asked = 0;
    try {
        openWebPage([&](const QUrl&) {
            ++asked;
            return false;
        });
        ADD_FAILURE() << "no fault";
    } catch (const HandlerFault& fault) {
        EXPECT_EQ(fault.kind, FaultKind::ControlAccess);
        EXPECT_EQ(fault.message(), u"Opening the web page failed."_qs);
    }
    EXPECT_EQ(asked, 1);
}

}  // namespace
}  // namespace querlin
