// Writes the usage and options of each command into the command-line
// reference, between the markers that hold them, from the commands'
// descriptions; the rest of the file is left as it is.
//
//   querlin-calc-reference docs/reference.md
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <iostream>

#include "reference_text.h"

int main(int argc, char* argv[]) {
    // No translation is installed: the reference is written in English.
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::cerr << "Usage: querlin-calc-reference REFERENCE.md\n";
        return 2;
    }
    QFile file(arguments[1]);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::cerr << qPrintable(arguments[1]) << ": " << qPrintable(file.errorString()) << '\n';
        return 1;
    }
    const std::optional<QString> made =
        querlin::cli::withCommandReferences(QString::fromUtf8(file.readAll()));
    file.close();
    if (!made) {
        std::cerr << qPrintable(arguments[1])
                  << ": a command's usage and options have no markers, or not in the order of "
                     "querlin-calc --help\n";
        return 1;
    }
    QSaveFile out(arguments[1]);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text) || out.write(made->toUtf8()) < 0 ||
        !out.commit()) {
        std::cerr << qPrintable(arguments[1]) << ": " << qPrintable(out.errorString()) << '\n';
        return 1;
    }
    return 0;
}
