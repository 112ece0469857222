#include <cstddef>
#include <cstdint>

#include "coil/coil_window_fields.h"
#include "coil/coil_window_in_memory.h"
#include "coil/turns.h"
#include "window_script.h"

using namespace querlin;
using namespace querlin::fuzzing;

namespace {

// The coil window without a display: its fields and its variables, which carry
// over from press to press.
struct CoilWindowModel {
    explicit CoilWindowModel(const QLocale& locale) : fields(initialCoilWindow(locale)) {}

    std::vector<Press> presses() {
        return {{.control = coilfields::calculate,
                 .run = [this](int) { calculateTurns(fields, variables); },
                 .numbers = {coilfields::turns},
                 .words = {coilfields::message}}};
    }

    MemoryFields fields;
    CoilVariables variables;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzWindow<CoilWindowModel>(data, size);
}
