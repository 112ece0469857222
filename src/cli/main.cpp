#include <QCoreApplication>
#include <iostream>

#include "cli/command_line.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("querlin-calc"));
    std::ios::sync_with_stdio(false);
    return querlin::cli::run(QCoreApplication::arguments(), std::cin, std::cout, std::cerr);
}
