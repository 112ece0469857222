#pragma once

#include <QWidget>

namespace querlin {

// The notes window, Form3.
class NotesWindow : public QWidget {
    Q_OBJECT

  public:
    explicit NotesWindow(QWidget* parent = nullptr);
};

}  // namespace querlin
