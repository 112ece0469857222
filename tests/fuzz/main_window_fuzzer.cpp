#include <cstddef>
#include <cstdint>

#include "dipole/coil_position.h"
#include "dipole/loading_coil.h"
#include "dipole/main_window_fields.h"
#include "dipole/main_window_in_memory.h"
#include "dipole/matching_coil.h"
#include "dipole/units.h"
#include "window_script.h"

using namespace querlin;
using namespace querlin::fuzzing;

namespace {

// The main window without a display: its controls, its variables, which carry
// over from press to press, and what each of its controls runs.
struct MainWindowModel {
    explicit MainWindowModel(const QLocale& locale) : fields(initialMainWindow(locale)) {}

    // An option button runs its handler only when a click selects it.
    void select(const char* option, const char* other, void (*handler)(Fields&)) {
        if (!fields.selected.at(QString::fromLatin1(option))) {
            fields.selected[QString::fromLatin1(option)] = true;
            fields.selected[QString::fromLatin1(other)] = false;
            handler(fields);
        }
    }

    // The scroll bar runs its handler only when its value changes.
    void move(int value) {
        int& current = fields.values.at(QString::fromLatin1(mainfields::slider));
        if (value != current) {
            current = value;
            showCoilPosition(fields, variables);
        }
    }

    std::vector<Press> presses() {
        using namespace mainfields;
        const QStringList units{distanceUnit, diameterUnit, lengthUnit};
        return {
            {.control = "Command5",
             .run = [this](int) { calculateLoadingCoil(fields, variables); },
             .numbers = {coilDistance, loadingInductance, impedance}},
            {.control = "Command7",
             .run = [this](int) { calculateMatchingCoil(fields, variables); },
             .numbers = {matchingCoil}},
            {.control = slider,
             .run = [this](int value) { move(value); },
             .numbers = {percentage},
             .pictures = {leftCoil, rightCoil},
             .minimum = 1,
             .maximum = 99},
            {.control = metric,
             .run = [this](int) { select(metric, feet, selectMetric); },
             .words = units},
            {.control = feet,
             .run = [this](int) { select(feet, metric, selectFeet); },
             .words = units},
        };
    }

    MemoryFields fields;
    DipoleVariables variables;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzWindow<MainWindowModel>(data, size);
}
