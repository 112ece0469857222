#include <QCoreApplication>
#include <QGuiApplication>
#include <cstring>
#include <iostream>
#include <memory>
#include <vector>

#include "command_line.h"
#include "translations.h"

namespace {

// Whether the words ask for a plot, which draws text and so needs a
// QGuiApplication; everything else runs on the lighter QCoreApplication.
bool plotting(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--plot") == 0 || std::strncmp(argv[i], "--plot=", 7) == 0) {
            return true;
        }
    }
    return false;
}

// Whether the output is JSON, for programs: its texts, the messages of a
// batch's faults included, stay in English whatever the language.
bool forPrograms(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0 || std::strcmp(argv[i], "--batch") == 0) {
            return true;
        }
    }
    return false;
}

// Making the GUI application asks for the session's runtime folder, which a
// script run outside a desktop session lacks; nothing a plot draws uses it,
// so the warning about it is left out while the application is made.
QtMessageHandler passedOn = nullptr;
void withoutRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context,
                                 const QString& message) {
    if (!message.startsWith(u"QStandardPaths: ")) {
        passedOn(type, context, message);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // A plot is painted on an image or an SVG generator and never shown: the
    // offscreen platform gives the GUI application its fonts without a display.
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    std::vector<char*> words(argv, argv + argc);
    int count = argc;
    std::unique_ptr<QCoreApplication> application;
    if (plotting(argc, argv)) {
        words.insert(words.begin() + 1, {platform, offscreen});
        count = static_cast<int>(words.size());
        words.push_back(nullptr);
        passedOn = qInstallMessageHandler(withoutRuntimeFolderWarning);
        application = std::make_unique<QGuiApplication>(count, words.data());
        qInstallMessageHandler(passedOn);
    } else {
        application = std::make_unique<QCoreApplication>(count, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("querlin-calc"));
    // Help and messages in the language of the environment, as other
    // command-line tools speak (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    if (!forPrograms(argc, argv)) {
        querlin::installTranslations();
    }
    // A batch writes its lines in blocks, not one by one as every read of a
    // line would otherwise flush them.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    return querlin::cli::run(QCoreApplication::arguments(), std::cin, std::cout, std::cerr);
}
