#include "antenna/check_labels.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>

namespace querlin {

QLabel* wrappedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

QString rowCaption(const QString& label) {
    //: A figure's name before its value; French sets a narrow no-break space before the colon.
    return QCoreApplication::translate("querlin::CheckWindow", "%1:").arg(label);
}

QLabel* figureLabel(const QString& text, const QString& name, const QString& label) {
    auto* value = new QLabel(text);
    value->setObjectName(name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setAccessibleName(rowCaption(label) + u' ' + text);
    return value;
}

void clearRows(QFormLayout* rows) {
    while (rows->rowCount() > 0) {
        rows->removeRow(0);
    }
}

}  // namespace querlin
