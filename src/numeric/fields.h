#pragma once

#include <QLocale>
#include <QString>

namespace querlin {

// A window's controls as the calculation handlers see them, by objectName.
// The windows provide it over their widgets and the tests over plain data, so
// every handler runs the same with or without a display. A control that cannot
// be accessed throws HandlerFault ControlAccess.
class Fields {
  public:
    virtual ~Fields() = default;

    virtual QString text(const QString& control) const = 0;
    virtual void setText(const QString& control, const QString& text) = 0;
    virtual int value(const QString& scrollBar) const = 0;
    virtual bool isSelected(const QString& optionButton) const = 0;
    // Left of a picture inside its container, in the container's pixels.
    virtual void setLeft(const QString& picture, float pixels) = 0;
    // The user's locale, for the decimal separator of numbers.
    virtual QLocale locale() const = 0;
};

// An input field and the caption that names it to the user.
struct Field {
    const char* name;
    const char* caption;
};

}  // namespace querlin
