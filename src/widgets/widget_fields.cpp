#include "widget_fields.h"

#include <QCoreApplication>

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWidget>
#include <cmath>

#include "handler_fault.h"

namespace querlin {

namespace {

[[noreturn]] void accessFailed(const QString& name, const char* property) {
    throw HandlerFault({.kind = FaultKind::ControlAccess,
                        .where = QCoreApplication::translate("Fault", "access to %1.%2")
                                     .arg(name, QLatin1String(property))});
}

}  // namespace

WidgetFields::WidgetFields(QWidget* window) : window_(window) {}

QWidget* WidgetFields::control(const QString& name, const char* property) const {
    auto* found = window_->findChild<QWidget*>(name);
    if (found == nullptr) {
        accessFailed(name, property);
    }
    return found;
}

QString WidgetFields::text(const QString& control) const {
    QWidget* widget = this->control(control, "Text");
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return line->text();
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        return box->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }
    accessFailed(control, "Text");
}

void WidgetFields::setText(const QString& control, const QString& text) {
    QWidget* widget = this->control(control, "Text");
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(text);
        // A box too narrow for its text shows the beginning, so a number's
        // leading digits are never the ones scrolled out of sight.
        line->setCursorPosition(0);
        return;
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        box->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        return;
    }
    accessFailed(control, "Text");
}

int WidgetFields::value(const QString& scrollBar) const {
    auto* bar = qobject_cast<QScrollBar*>(control(scrollBar, "Value"));
    if (bar == nullptr) {
        accessFailed(scrollBar, "Value");
    }
    return bar->value();
}

bool WidgetFields::isSelected(const QString& optionButton) const {
    auto* option = qobject_cast<QAbstractButton*>(control(optionButton, "Value"));
    if (option == nullptr) {
        accessFailed(optionButton, "Value");
    }
    return option->isChecked();
}

void WidgetFields::setLeft(const QString& picture, float pixels) {
    QWidget* widget = control(picture, "Left");
    QWidget* container = widget->parentWidget();
    const int origin = container != window_ ? container->contentsRect().left() : 0;
    widget->setProperty("left", pixels);
    widget->move(origin + static_cast<int>(std::lround(pixels)), widget->y());
}

QLocale WidgetFields::locale() const {
    return QLocale();
}

}  // namespace querlin
