#include <QCoreApplication>
#include <iostream>

#include "command_line.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("querlin-calc"));
    // A batch writes its lines in blocks, not one by one as every read of a
    // line would otherwise flush them.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    return querlin::cli::run(QCoreApplication::arguments(), std::cin, std::cout, std::cerr);
}
