#pragma once

#include <QLocale>
#include <QString>
#include <span>
#include <string_view>

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

// An input field and the caption that names it to the user, with the
// translation context of its window, where the same caption labels the field.
struct Field {
    const char* name;
    const char* caption;
    const char* context;
};

// A control whose event runs a calculation handler over its window's fields
// and variables: a button's click, an option button's click that selects it, a
// scroll bar's change. The windows bind their controls by these lists, and what
// runs the handlers without a display takes the same lists.
template <typename Variables>
struct Handler {
    const char* control;
    void (*run)(Fields& fields, Variables& variables);
};

// A control and the text it holds when its window opens. Each window lists
// those its handlers touch once, beside their names; the window's table and the
// window held in memory both take the texts from that list.
struct InitialText {
    const char* control;
    const char* text;
};

// The initial text of a listed control; a control not listed does not compile.
consteval const char* initialTextOf(std::span<const InitialText> texts, std::string_view control) {
    for (const InitialText& listed : texts) {
        if (control == listed.control) {
            return listed.text;
        }
    }
    throw "the control has no initial text in its window's list";
}

}  // namespace querlin
