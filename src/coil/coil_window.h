#pragma once

#include <QWidget>

namespace querlin {

// The coil window, Form2.
class CoilWindow : public QWidget {
    Q_OBJECT

  public:
    explicit CoilWindow(QWidget* parent = nullptr);
};

}  // namespace querlin
