#pragma once

#include <QString>
#include <ostream>

// Lets GoogleTest show a QString as text in a failure.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
