#pragma once

#include <QString>
#include <optional>

class QLineEdit;
class QWidget;

namespace querlin {

// A named ground as the model's panel shows it, in the reader's language;
// the name itself where it is none of the named grounds.
QString groundShown(const char* name);

// A field of the model's panel is named in its messages by its caption.
void nameField(QWidget* field, const QString& caption);
QString nameOf(const QWidget* field);

// Reads the panel's numbers, the first that does not read stopping the rest.
struct OptionReader {
    QString fault;

    // The number typed, none for an empty field.
    std::optional<double> number(const QLineEdit* field);
    // The number a field that applies must have.
    double required(const QLineEdit* field);
    double permittivity(const QLineEdit* field);
};

}  // namespace querlin
