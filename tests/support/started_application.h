#pragma once

#include <QtTest>
#include <memory>

#include "application.h"
#include "dipole/main_window.h"

namespace querlin::testing {

// The program as a user starts it: the main window shown, and exposed before
// the first input goes to it.
inline std::unique_ptr<Application> startedApplication() {
    auto app = std::make_unique<Application>();
    app->mainWindow().show();
    if (!QTest::qWaitForWindowExposed(&app->mainWindow())) {
        qFatal("the main window was never exposed");
    }
    return app;
}

}  // namespace querlin::testing
