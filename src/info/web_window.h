#pragma once

#include <QWidget>

namespace querlin {

// The web page link window, web.
class WebWindow : public QWidget {
    Q_OBJECT

  public:
    explicit WebWindow(QWidget* parent = nullptr);
};

}  // namespace querlin
