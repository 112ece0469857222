#include "window_script.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "fuzz_checks.h"

namespace querlin::fuzzing {

namespace {

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A scroll bar value as the user can set it: n itself when it lies in the
// range, otherwise brought into it.
int valueInRange(std::string_view digits, const Press& press) {
    long long n = 0;
    for (char c : digits.substr(0, 9)) {
        n = c >= '0' && c <= '9' ? n * 10 + (c - '0') : n;
    }
    const long long span = press.maximum - press.minimum + 1;
    if (n < press.minimum || n > press.maximum) {
        n = press.minimum + n % span;
    }
    return static_cast<int>(n);
}

void checkPress(const MemoryFields& fields, const Press& press,
                const std::map<QString, QString>& before) {
    const auto detail = [&](const QString& control) {
        return QStringLiteral("%1: %2 = \"%3\"")
            .arg(QLatin1String(press.control), control, fields.texts.at(control));
    };
    for (const QString& control : fields.written) {
        if (!press.numbers.contains(control) && !press.words.contains(control) &&
            !press.pictures.contains(control)) {
            violated("a handler writes only its own controls", control);
        }
    }
    for (const auto& [control, text] : fields.texts) {
        if (!fields.written.contains(control)) {
            if (text != before.at(control)) {
                violated("an unwritten text box keeps its text", detail(control));
            }
            continue;
        }
        if (isNonFiniteText(text)) {
            violated("no field receives an infinite or NaN number", detail(control));
        }
        if (press.numbers.contains(control)) {
            const Reading reading = readOutcome(text, fields.locale());
            if (!std::holds_alternative<float>(reading)) {
                violated("a written number reads back", detail(control));
            }
            requireRoundTrip(std::get<float>(reading), fields.locale());
        }
    }
    for (const QString& picture : press.pictures) {
        if (fields.written.contains(picture) && !std::isfinite(fields.lefts.at(picture))) {
            violated("a picture moves to a finite place", picture);
        }
    }
}

void runPress(MemoryFields& fields, const Press& press, int value) {
    const std::map<QString, QString> before = fields.texts;
    fields.written.clear();
    try {
        press.run(value);
    } catch (const HandlerFault& fault) {
        requireListedFault(fault);
    } catch (...) {
        violated("only a HandlerFault ends a handler", QString::fromLatin1(press.control));
    }
    checkPress(fields, press, before);
}

}  // namespace

std::pair<QLocale, std::string_view> scriptLocale(std::string_view script) {
    constexpr std::string_view kLocale = "locale ";
    if (!script.starts_with(kLocale)) {
        return {QLocale::c(), script};
    }
    const std::size_t end = std::min(script.find('\n'), script.size());
    const QLocale locale(latin(script.substr(kLocale.size(), end - kLocale.size())));
    return {locale, script.substr(std::min(end + 1, script.size()))};
}

void runScript(MemoryFields& fields, const std::vector<Press>& presses, std::string_view script,
               int maxPresses) {
    int pressed = 0;
    while (!script.empty() && pressed < maxPresses) {
        const std::size_t end = std::min(script.find('\n'), script.size());
        const std::string_view line = script.substr(0, end);
        script.remove_prefix(std::min(end + 1, script.size()));

        const std::size_t equals = line.find('=');
        const std::string_view name = line.substr(0, equals);
        const std::string_view argument =
            equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);
        const auto press = std::find_if(presses.begin(), presses.end(),
                                        [&](const Press& p) { return name == p.control; });
        if (press != presses.end()) {
            ++pressed;
            const bool scrollBar = press->maximum > press->minimum;
            runPress(fields, *press, scrollBar ? valueInRange(argument, *press) : 0);
        } else if (equals != std::string_view::npos && fields.texts.contains(latin(name))) {
            fields.texts[latin(name)] =
                QString::fromUtf8(argument.data(), static_cast<qsizetype>(argument.size()));
        }
    }
}

}  // namespace querlin::fuzzing
