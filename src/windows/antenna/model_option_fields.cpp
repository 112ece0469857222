#include "antenna/model_option_fields.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QVariant>
#include <cmath>

namespace querlin {

namespace {

constexpr const char* kFieldName = "querlinFieldName";

// The named grounds as the panel shows them.
struct GroundName {
    const char* name;  // nec::Ground's
    const char* shown;
};
constexpr GroundName kGroundNames[] = {
    {"very-poor", QT_TRANSLATE_NOOP("querlin::CheckWindow", "very poor")},
    {"poor", QT_TRANSLATE_NOOP("querlin::CheckWindow", "poor")},
    {"average", QT_TRANSLATE_NOOP("querlin::CheckWindow", "average")},
    {"good", QT_TRANSLATE_NOOP("querlin::CheckWindow", "good")},
    {"very-good", QT_TRANSLATE_NOOP("querlin::CheckWindow", "very good")},
    {"fresh-water", QT_TRANSLATE_NOOP("querlin::CheckWindow", "fresh water")},
    {"sea-water", QT_TRANSLATE_NOOP("querlin::CheckWindow", "sea water")},
};

}  // namespace

QString groundShown(const char* name) {
    for (const GroundName& ground : kGroundNames) {
        if (qstrcmp(ground.name, name) == 0) {
            return QCoreApplication::translate("querlin::CheckWindow", ground.shown);
        }
    }
    return QString::fromLatin1(name);
}

void nameField(QWidget* field, const QString& caption) {
    field->setProperty(kFieldName, QString(caption).remove(u'&'));
}

QString nameOf(const QWidget* field) {
    return field->property(kFieldName).toString();
}

std::optional<double> OptionReader::number(const QLineEdit* field) {
    const QString text = field->text().trimmed();
    if (!fault.isEmpty() || text.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    if (!ok || !(value > 0) || !std::isfinite(value)) {
        fault = QCoreApplication::translate("querlin::CheckWindow",
                                            "%1 takes a positive number, not '%2'.")
                    .arg(nameOf(field), text);
        return std::nullopt;
    }
    return value;
}
double OptionReader::required(const QLineEdit* field) {
    const std::optional<double> value = number(field);
    if (!value && fault.isEmpty()) {
        fault = QCoreApplication::translate("querlin::CheckWindow", "%1 needs a positive number.")
                    .arg(nameOf(field));
    }
    return value.value_or(0);
}
double OptionReader::permittivity(const QLineEdit* field) {
    const double value = required(field);
    if (fault.isEmpty() && value < 1) {
        fault =
            QCoreApplication::translate("querlin::CheckWindow",
                                        "%1 takes a relative permittivity of 1 or more, not '%2'.")
                .arg(nameOf(field), field->text().trimmed());
    }
    return value;
}

}  // namespace querlin
