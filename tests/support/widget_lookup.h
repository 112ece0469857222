#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QWidget>
#include <QtTest>

namespace querlin::testing {

// A control of a window by its objectName; fails the test when it is missing.
template <typename T = QWidget>
T* control(QWidget* window, const char* name) {
    auto* found = window->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control %s of the expected type", name);
    }
    return found;
}

inline QString text(QWidget* window, const char* name) {
    return control<QLineEdit>(window, name)->text();
}

inline void type(QWidget* window, const char* name, const QString& text) {
    auto* box = control<QLineEdit>(window, name);
    box->clear();
    QTest::keyClicks(box, text);
}

inline void click(QWidget* window, const char* name) {
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

// The fault reports a window has open.
inline QList<QMessageBox*> faultReports(QWidget* window) {
    return window->findChildren<QMessageBox*>(QStringLiteral("faultReport"));
}

inline void dismissFaultReports(QWidget* window) {
    for (QMessageBox* report : faultReports(window)) {
        report->done(QMessageBox::Ok);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace querlin::testing
