#include "dipole/units.h"

#include <gtest/gtest.h>

#include "dipole/main_window_in_memory.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

TEST(Units, OptionButtonsRewriteOnlyTheThreeUnitTexts) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
    const auto before = fields.texts;

    selectMetric(fields);
    EXPECT_EQ(fields.written, (QStringList{u"Text11"_qs, u"Text15"_qs, u"Text22"_qs}));
    EXPECT_EQ(fields.texts["Text11"], u"METERS"_qs);
    EXPECT_EQ(fields.texts["Text15"], u"MM"_qs);
    EXPECT_EQ(fields.texts["Text22"], u"METERS"_qs);

    selectFeet(fields);
    EXPECT_EQ(fields.texts, before);  // back to FEET / INCHES, no number touched
}

}  // namespace
}  // namespace querlin
