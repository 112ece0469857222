#include "dipole/coil_position.h"

#include <gtest/gtest.h>

#include "dipole/loading_coil.h"
#include "dipole/main_window_in_memory.h"
#include "dipole/matching_coil.h"
#include "numeric/handler_fault.h"
#include "support/qstring_printer.h"

namespace querlin {
namespace {

TEST(CoilPosition, PercentageAndSymbolsFollowTheSlider) {
    struct Case {
        int value;
        const char16_t* percentage;
        double left;
        double right;
    };
    for (const Case& c :
         {Case{1, u"99", 2.1, 517.9}, Case{50, u"50", 105, 415}, Case{99, u"1", 207.9, 312.1}}) {
        MemoryFields fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, c.value);
        DipoleVariables v;
        showCoilPosition(fields, v);
        EXPECT_EQ(fields.texts["Text1"], QString::fromUtf16(c.percentage));
        // Computed in double and passed on as singles.
        EXPECT_EQ(fields.lefts["Picture2"], static_cast<float>(c.left));
        EXPECT_EQ(fields.lefts["Picture3"], static_cast<float>(c.right));
        EXPECT_EQ(fields.written, (QStringList{u"Text1"_qs, u"Picture2"_qs, u"Picture3"_qs}));
    }
}

TEST(CoilPosition, StoresFrequencyAndLengthAsTyped) {
    MemoryFields fields = mainWindowWith(u"14.2"_qs, u"10"_qs, u"2"_qs, 30, true);
    DipoleVariables v;
    showCoilPosition(fields, v);
    EXPECT_EQ(v.freq.value(), 14.2F);
    EXPECT_EQ(v.lth.value(), 10.0F);  // no metric conversion here
}

TEST(CoilPosition, EmptiedFieldsFaultAfterTheDisplayIsUpdated) {
    MemoryFields noFrequency = mainWindowWith(u""_qs, u"40"_qs, u"0.08"_qs, 60);
    DipoleVariables v;
    try {
        showCoilPosition(noFrequency, v);
        ADD_FAILURE() << "expected a reading fault";
    } catch (const HandlerFault& fault) {
        EXPECT_EQ(fault.kind, FaultKind::TypeMismatch);
        EXPECT_EQ(fault.where, u"INPUT FREQUENCY"_qs);
    }
    EXPECT_EQ(noFrequency.texts["Text1"], u"40"_qs);
    EXPECT_EQ(noFrequency.lefts["Picture2"], 126.0F);

    MemoryFields noLength = mainWindowWith(u"7.1"_qs, u"x"_qs, u"0.08"_qs, 60);
    try {
        showCoilPosition(noLength, v);
        ADD_FAILURE() << "expected a reading fault";
    } catch (const HandlerFault& fault) {
        EXPECT_EQ(fault.where, u"INPUT TOTAL LENGTH"_qs);
    }
    EXPECT_EQ(v.freq.value(), 7.1F);
}

TEST(CoilPosition, SliderChangeSuppliesTheFrequencyOfTheMatchingCoil) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
    fields.texts["Text27"] = u"50"_qs;
    DipoleVariables v;
    calculateLoadingCoil(fields, v);
    const float za = v.za.value();

    fields.texts["Text5"] = u"14.2"_qs;
    fields.values["HScroll1"] = 51;
    showCoilPosition(fields, v);
    EXPECT_EQ(v.za.value(), za);
    calculateMatchingCoil(fields, v);
    // Twice the frequency, the same antenna impedance: half the inductance.
    EXPECT_NEAR(v.match.value(), 1.46396 / 2, 5e-6);
}

TEST(CoilPosition, BeforeAnyCalculationAValidFrequencyGivesAZeroMatchingCoil) {
    MemoryFields fields = mainWindowWith(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 20);
    fields.texts["Text27"] = u"50"_qs;
    DipoleVariables v;
    showCoilPosition(fields, v);
    calculateMatchingCoil(fields, v);
    EXPECT_EQ(fields.texts["Text24"], u"0"_qs);
}

}  // namespace
}  // namespace querlin
