#include "accessible_names.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSet>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "required_control.h"

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

QString kindOf(QWidget* control) {
    return qobject_cast<QScrollBar*>(control) != nullptr
               ? QCoreApplication::translate("AccessibleNames", "slider")
               : QCoreApplication::translate("AccessibleNames", "field");
}

// One row over the window's widgets: the control, its parts (a widget or a
// literal text each) and the captions it describes.
struct Naming {
    QWidget* control;
    std::vector<std::pair<QWidget*, QString>> parts;
    std::vector<QWidget*> captions;
};

void name(const Naming& naming) {
    if (!naming.parts.empty()) {
        QStringList parts;
        for (const auto& [source, literal] : naming.parts) {
            parts << (source != nullptr ? shown(source) : literal);
        }
        naming.control->setAccessibleName(parts.join(QStringLiteral(", ")));
    }
    for (QWidget* caption : naming.captions) {
        caption->setAccessibleName(shown(caption));
        caption->setAccessibleDescription(
            QCoreApplication::translate("AccessibleNames", "caption of the %1 %2")
                .arg(kindOf(naming.control), naming.control->accessibleName()));
    }
}

}  // namespace

// The literal parts and descriptions are the window's texts, translated in its
// context like the rest of its table.
void nameControls(QWidget* window, std::span<const AccessibleCaption> captions) {
    const QByteArray context = window->objectName().toLatin1();
    QSet<QWidget*> described;
    for (const AccessibleCaption& row : captions) {
        Naming naming{requiredControl(window, row.control), {}, {}};
        for (const char* part : row.parts) {
            if (part == nullptr) {
                continue;
            }
            QWidget* source = window->findChild<QWidget*>(QString::fromLatin1(part));
            naming.parts.emplace_back(source,
                                      QCoreApplication::translate(context.constData(), part));
            if (source != nullptr && source != naming.control && !described.contains(source)) {
                described.insert(source);
                naming.captions.push_back(source);
            }
        }
        name(naming);
        if (row.description != nullptr) {
            naming.control->setAccessibleDescription(
                QCoreApplication::translate(context.constData(), row.description));
        }
        for (const auto& [source, literal] : naming.parts) {
            if (auto* line = qobject_cast<QLineEdit*>(source)) {
                QObject::connect(line, &QLineEdit::textChanged, window, [naming] { name(naming); });
            } else if (auto* box = qobject_cast<QPlainTextEdit*>(source)) {
                QObject::connect(box, &QPlainTextEdit::textChanged, window,
                                 [naming] { name(naming); });
            }
        }
    }
}

}  // namespace querlin
