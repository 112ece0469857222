#pragma once

#include <QStringList>
#include <map>

#include "fields.h"

namespace querlin {

// A window's controls as plain data, for running the handlers without a
// display: the command line runs them over it, and so do the tests. A control
// that was not set up cannot be accessed, so a handler touching an unexpected
// control fails loudly.
class MemoryFields : public Fields {
  public:
    explicit MemoryFields(QLocale locale = QLocale::c()) : locale_(std::move(locale)) {}
    // The text boxes of a window's list, each with its initial text.
    MemoryFields(std::span<const InitialText> texts, QLocale locale);

    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    int value(const QString& scrollBar) const override;
    bool isSelected(const QString& optionButton) const override;
    void setLeft(const QString& picture, float pixels) override;
    QLocale locale() const override { return locale_; }

    std::map<QString, QString> texts;
    std::map<QString, int> values;
    std::map<QString, bool> selected;
    std::map<QString, float> lefts;
    QStringList written;  // the controls written, in order

  private:
    QLocale locale_;
};

}  // namespace querlin
