#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>

#include "accessible_names.h"
#include "bind_handlers.h"
#include "widget_fields.h"

// A window whose code binds a name its table lacks must not open with a
// button that does nothing: it stops, naming the window and the control.

namespace {

using namespace querlin;

struct NoVariables {};

void nothing(Fields& /*fields*/, NoVariables& /*variables*/) {}

// A window named Form1 with one text box, Text1, and no button at all.
void bindOnForm1(void (*bind)(QWidget& window, const char* name), const char* name) {
    int argc = 1;
    char program[] = "missing_control_test";
    char* argv[] = {program, nullptr};
    QApplication application(argc, argv);
    QWidget window;
    window.setObjectName(QStringLiteral("Form1"));
    (new QLineEdit(&window))->setObjectName(QStringLiteral("Text1"));
    bind(window, name);
}

void bindHandler(QWidget& window, const char* name) {
    WidgetFields fields(&window);
    NoVariables variables;
    const Handler<NoVariables> handlers[] = {{name, &nothing}};
    bindHandlers<NoVariables>(&window, fields, variables, handlers);
}

void nameCaption(QWidget& window, const char* name) {
    const AccessibleCaption captions[] = {{name, {"Text1"}}};
    nameControls(&window, captions);
}

struct Binding {
    const char* what;
    void (*bind)(QWidget& window, const char* name);
    const char* name;
};

const Binding kBindings[] = {
    {"a handler to a control the table lacks", &bindHandler, "Command9"},
    {"a button's handler to a text box of that name", &bindHandler, "Text1"},
    {"a screen reader's name to a control the table lacks", &nameCaption, "Text9"},
};

TEST(MissingControl, StopsNamingTheWindowAndTheControl) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const Binding& binding : kBindings) {
        SCOPED_TRACE(binding.what);
        EXPECT_DEATH(bindOnForm1(binding.bind, binding.name),
                     std::string("Form1 has no control ") + binding.name);
    }
}

}  // namespace
