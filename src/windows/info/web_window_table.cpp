#include "info/web_window_table.h"

#include <array>

#include "info/web_page.h"

namespace querlin {

namespace {

using enum ControlKind;
using namespace fonts;

constexpr WindowDescription kWindow{"web",
                                    QT_TRANSLATE_NOOP("web", "Web Page Link"),
                                    3315,
                                    1845,
                                    false,
                                    false,
                                    colours::buttonFace};

constexpr int kClientLeft = 2130;
constexpr int kClientTop = 1695;

constexpr Look kText{false, colours::standard, colours::standard};
constexpr Look kLink{false, colours::standard, Colour::bgr(0x00FF0000)};
constexpr Font kLinkFont{8.25, false, false, true};

constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;

constexpr const char* kWhere =
    QT_TRANSLATE_NOOP("web", "The link will be opened in your default browser.");
constexpr const char* kWhat = QT_TRANSLATE_NOOP("web", "Click Link Below to ");
constexpr const char* kAddress = kWebPageAddress;

constexpr std::array<ControlRow, 3> kControls{{
    {"Label1", Label, {525, 75, 2265, 390}, kWhere, kText, R8, nullptr, kCentred},
    {"Label2", Label, {450, 750, 2490, 345}, kWhat, kText, R8, nullptr, kCentred},
    {"lblWebPage", Link, {525, 1335, 2205, 255}, kAddress, kLink, kLinkFont, nullptr, kLeft},
}};

// The labels are named by their texts; the link says where it leads.
constexpr std::array<AccessibleCaption, 1> kCaptions{{
    {"lblWebPage",
     {},
     QT_TRANSLATE_NOOP("web",
                       "link to the author's web page, opened in your default browser by a click, "
                       "Return or Space")},
}};

}  // namespace

const WindowDescription& webWindowDescription() {
    return kWindow;
}

QPoint webWindowPosition() {
    return {kClientLeft, kClientTop};
}

std::span<const ControlRow> webWindowControls() {
    return kControls;
}

std::span<const AccessibleCaption> webWindowCaptions() {
    return kCaptions;
}

}  // namespace querlin
