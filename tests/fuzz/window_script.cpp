#include "window_script.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "dipole/coil_position.h"
#include "fuzz_checks.h"

namespace querlin::fuzzing {

namespace {

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A scroll bar value as the user can set it: n brought into the range.
int valueInRange(std::string_view digits) {
    long long n = 0;
    for (char c : digits.substr(0, 9)) {
        n = c >= '0' && c <= '9' ? n * 10 + (c - '0') : n;
    }
    return static_cast<int>(kSliderMinimum + n % (kSliderMaximum - kSliderMinimum + 1));
}

// What a handler promises of the fields it leaves behind.
void checkPress(const MemoryFields& fields, const Writes& writes,
                const std::map<QString, QString>& before) {
    for (const QString& control : fields.written) {
        require(writes.numbers.contains(control) || writes.words.contains(control) ||
                    (writes.pictures.contains(control) && std::isfinite(fields.lefts.at(control))),
                "a handler writes only its own controls, pictures to a finite place",
                [&] { return control; });
    }
    for (const auto& entry : fields.texts) {
        const QString& control = entry.first;
        const QString& text = entry.second;
        const auto detail = [&] { return control + u" = \""_qs + text + u'"'; };
        const bool written = fields.written.contains(control);
        require(written || text == before.at(control), "an unwritten text box keeps its text",
                detail);
        require(!written || !isNonFiniteText(text), "no field receives an infinite or NaN number",
                detail);
        if (written && writes.numbers.contains(control)) {
            const std::optional<float> value = valueOf(readOutcome(text, fields.locale()));
            require(value.has_value(), "a written number reads back", detail);
            requireRoundTrip(*value, fields.locale());
        }
    }
}

void runPress(MemoryFields& fields, const Press& press, std::span<const Writes> writes) {
    const std::map<QString, QString> before = fields.texts;
    fields.written.clear();
    try {
        press.run();
    } catch (const HandlerFault& fault) {
        requireListedFault(fault);
    } catch (...) {
        violated("only a HandlerFault ends a handler", QString::fromLatin1(press.control));
    }
    const auto own = std::find_if(writes.begin(), writes.end(), [&](const Writes& w) {
        return std::string_view(w.control) == press.control;
    });
    require(own != writes.end(), "every handler is known to the fuzzer",
            [&] { return QString::fromLatin1(press.control); });
    checkPress(fields, *own, before);
}

}  // namespace

void runScript(MemoryFields& fields, const std::vector<Press>& presses,
               std::span<const Writes> writes, std::string_view script) {
    for (int pressed = 0; !script.empty() && pressed < 64;) {
        const std::size_t end = std::min(script.find('\n'), script.size());
        const std::string_view line = script.substr(0, end);
        script.remove_prefix(std::min(end + 1, script.size()));
        const std::size_t equals = line.find('=');
        const QString name = latin(line.substr(0, equals));
        const std::string_view argument =
            equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);
        const auto press = std::find_if(presses.begin(), presses.end(),
                                        [&](const Press& p) { return name == p.control; });
        if (press == presses.end()) {
            if (equals != std::string_view::npos && fields.texts.contains(name)) {
                fields.texts[name] =
                    QString::fromUtf8(argument.data(), static_cast<qsizetype>(argument.size()));
            }
            continue;
        }
        ++pressed;
        if (fields.values.contains(name)) {
            const int value = valueInRange(argument);
            if (std::exchange(fields.values[name], value) == value) {
                continue;
            }
        } else if (fields.selected.contains(name)) {
            if (fields.selected[name]) {
                continue;
            }
            for (auto& [option, selected] : fields.selected) {
                selected = option == name;  // the window's option buttons form one group
            }
        }
        runPress(fields, *press, writes);
    }
}

}  // namespace querlin::fuzzing
