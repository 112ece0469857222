#include "figures/figure.h"

#include <QCoreApplication>

#include <cmath>

namespace querlin {

RoundedFigure rounded(double value, int decimals, const QLocale& locale) {
    // A value that rounds to zero shows no sign: "-0.00 ohms" reads as a
    // reactance that is there.
    const double shown = QString::number(value, 'f', decimals).toDouble();
    const double signless = shown == 0 ? 0.0 : value;
    return {shown == 0 ? 0.0 : shown, locale.toString(signless, 'f', decimals)};
}

RoundedFigure significant(double value, int digits, const QLocale& locale) {
    if (value == 0) {
        return rounded(value, 0, locale);
    }
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int decimals = digits - 1 - magnitude;
    if (decimals >= 0) {
        return rounded(value, decimals, locale);
    }
    const double scale = std::pow(10.0, -decimals);
    return rounded(std::round(value / scale) * scale, 0, locale);
}

QString figureText(double value, int decimals, const char* unit, const QLocale& locale,
                   UnitShown shown) {
    if (!std::isfinite(value)) {
        return QStringLiteral("none");
    }
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = rounded(value, decimals, plain).text;
    if (shown == UnitShown::With && *unit != '\0') {
        text += u' ' + QLatin1String(unit);
    }
    return text;
}

QString figureText(const Figure& figure, const QLocale& locale, UnitShown shown) {
    return figureText(figure.value, figure.form.decimals, figure.form.unit, locale, shown);
}

QString labelText(const FigureForm& form) {
    return QCoreApplication::translate("Figures", form.label);
}

void insertFigure(QJsonObject& object, const char* key, double value) {
    object.insert(QLatin1String(key),
                  std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null));
}

void insertFigure(QJsonObject& object, const Figure& figure) {
    insertFigure(object, figure.form.key, figure.value);
}

}  // namespace querlin
