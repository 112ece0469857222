#pragma once

#include <QJsonObject>
#include <QLocale>
#include <QString>

namespace querlin {

// How a figure the program prints is shown, wherever it is printed: its key
// (its JSON key, its name on a command's line and its CSV column), the
// decimals and unit of its number, and what it is in words for a person,
// translated in the "Figures" context (none for a figure only the command
// line prints).
struct FigureForm {
    const char* key;
    int decimals;
    const char* unit;  // empty for a ratio
    const char* label = nullptr;
};

// A figure: its form and its value, NaN for none.
struct Figure {
    FigureForm form;
    double value;
};

// A figure rounded to what its formula stands behind: as a number, and as
// shown in a locale.
struct RoundedFigure {
    double value = 0;
    QString text;
};
RoundedFigure rounded(double value, int decimals, const QLocale& locale);
RoundedFigure significant(double value, int digits, const QLocale& locale);

// A figure as a line or a CSV field shows it, in that locale, with its unit
// when one is asked for: "7.1968 MHz"; "none" where there is none.
enum class UnitShown { Without, With };
QString figureText(double value, int decimals, const char* unit, const QLocale& locale,
                   UnitShown shown);
QString figureText(const Figure& figure, const QLocale& locale, UnitShown shown);

// Its label in the person's language.
QString labelText(const FigureForm& form);

// A figure as a JSON number, null for none.
void insertFigure(QJsonObject& object, const char* key, double value);
void insertFigure(QJsonObject& object, const Figure& figure);

}  // namespace querlin
