#include "field_menu.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

namespace querlin {

void addFieldAction(QWidget* control, const QString& text, std::function<void()> action) {
    const auto showMenu = [control, text, action](QPoint at) {
        auto* box = qobject_cast<QLineEdit*>(control);
        QMenu* menu = box != nullptr ? box->createStandardContextMenu() : new QMenu(control);
        if (box != nullptr) {
            menu->addSeparator();
        }
        menu->addAction(text, control, action);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(control->mapToGlobal(at));
    };
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(control, &QWidget::customContextMenuRequested, control, showMenu);
    auto* shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), control);
    shiftF10->setContext(Qt::WidgetShortcut);
    QObject::connect(shiftF10, &QShortcut::activated, control,
                     [control, showMenu] { showMenu(control->rect().center()); });
}

}  // namespace querlin
