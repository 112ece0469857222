#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QLocale>
#include <QString>
#include <iosfwd>

#include "design/designs.h"

namespace querlin::cli {

// Where a command writes its results and why it failed, the locale of its
// numbers, and whether it writes one JSON object instead of lines.
struct Output {
    std::ostream& out;
    std::ostream& err;
    QLocale locale;
    bool json = false;
};

QLocale localeFor(bool user);

void writeLine(std::ostream& out, const QByteArray& line);
void writeJson(std::ostream& out, const QJsonObject& object);
QJsonObject jsonOf(const Results& results);

// The results' texts, a line each, or as one JSON object.
void printResults(const Output& output, const Results& results);

// Says why on standard error, after what went to standard output.
void explain(const Output& output, const QString& why);

// A CSV field: quoted when a locale's decimal comma is in it.
QString csvField(const QString& text);

// Writes a whole file or none; what could not be written has the engine's
// status, as a deck the engine cannot read has.
void save(const QString& path, const QByteArray& bytes, const QString& what);
// Ends the command as a file that cannot be written does, and says why.
[[noreturn]] void unwritten(const QString& path, const QString& what, const QString& why);

}  // namespace querlin::cli
