#pragma once

#include <QWidget>

namespace querlin {

// The notes window, Form3: three fixed texts of advice on loaded antennas, in
// editable boxes. It has no handler of its own.
class NotesWindow : public QWidget {
    Q_OBJECT

  public:
    explicit NotesWindow(QWidget* parent = nullptr);
};

}  // namespace querlin
