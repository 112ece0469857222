#include "widgets/accessible_names.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QWidget>

namespace querlin {

namespace {

QString shown(QWidget* control) {
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        return line->text().simplified();
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        return box->toPlainText().simplified();
    }
    return {};
}

void rename(QWidget* window, const AccessibleCaption& caption) {
    QStringList parts;
    for (const char* part : caption.parts) {
        if (part == nullptr) {
            continue;
        }
        auto* source = window->findChild<QWidget*>(QString::fromLatin1(part));
        parts << (source != nullptr ? shown(source) : QString::fromUtf8(part));
    }
    window->findChild<QWidget*>(QString::fromLatin1(caption.control))
        ->setAccessibleName(parts.join(QStringLiteral(", ")));
}

}  // namespace

void nameControls(QWidget* window, std::span<const AccessibleCaption> captions) {
    for (const AccessibleCaption& caption : captions) {
        rename(window, caption);
        if (caption.description != nullptr) {
            window->findChild<QWidget*>(QString::fromLatin1(caption.control))
                ->setAccessibleDescription(QString::fromUtf8(caption.description));
        }
        for (const char* part : caption.parts) {
            if (part == nullptr) {
                continue;
            }
            if (auto* line = window->findChild<QLineEdit*>(QString::fromLatin1(part))) {
                QObject::connect(line, &QLineEdit::textChanged, window,
                                 [window, caption] { rename(window, caption); });
            }
        }
    }
}

}  // namespace querlin
