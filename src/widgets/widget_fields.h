#pragma once

#include "fields.h"

class QWidget;

namespace querlin {

// The handlers' view of a window's widgets, found by objectName.
class WidgetFields : public Fields {
  public:
    explicit WidgetFields(QWidget* window);

    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    int value(const QString& scrollBar) const override;
    bool isSelected(const QString& optionButton) const override;
    // The exact position stays in the picture's "left" property; the widget
    // stands at the nearest pixel.
    void setLeft(const QString& picture, float pixels) override;
    QLocale locale() const override;

  private:
    QWidget* control(const QString& name, const char* property) const;

    QWidget* window_;
};

}  // namespace querlin
