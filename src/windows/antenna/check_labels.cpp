#include "antenna/check_labels.h"

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

QLabel* figureLabel(const QString& text, const QString& name, const QString& label) {
    auto* value = new QLabel(text);
    value->setObjectName(name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setAccessibleName(label + QStringLiteral(": ") + text);
    return value;
}

void clearRows(QFormLayout* rows) {
    while (rows->rowCount() > 0) {
        rows->removeRow(0);
    }
}

}  // namespace querlin
