#include "memory_fields.h"

#include "handler_fault.h"

namespace querlin {

namespace {

template <typename Map>
auto& find(Map& map, const QString& control) {
    auto found = map.find(control);
    if (found == map.end()) {
        throw HandlerFault({.kind = FaultKind::ControlAccess, .where = control});
    }
    return found->second;
}

}  // namespace

MemoryFields::MemoryFields(std::span<const InitialText> texts, QLocale locale)
    : locale_(std::move(locale)) {
    for (const InitialText& initial : texts) {
        this->texts.emplace(QString::fromLatin1(initial.control),
                            QString::fromLatin1(initial.text));
    }
}

QString MemoryFields::text(const QString& control) const {
    return find(texts, control);
}

void MemoryFields::setText(const QString& control, const QString& text) {
    find(texts, control) = text;
    written << control;
}

int MemoryFields::value(const QString& scrollBar) const {
    return find(values, scrollBar);
}

bool MemoryFields::isSelected(const QString& optionButton) const {
    return find(selected, optionButton);
}

void MemoryFields::setLeft(const QString& picture, float pixels) {
    find(lefts, picture) = pixels;
    written << picture;
}

}  // namespace querlin
