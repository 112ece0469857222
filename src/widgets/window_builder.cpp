#include "window_builder.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "bitmap.h"
#include "controls.h"
#include "link_label.h"
#include "required_control.h"

namespace querlin {

namespace {

QColor resolve(const Colour& colour, const QPalette& palette) {
    if (colour.source == Colour::Source::System) {
        return palette.color(QPalette::Active, colour.role);
    }
    return QColor::fromRgb(colour.rgb);
}

void paint(QWidget* widget, QPalette::ColorRole backgroundRole, QPalette::ColorRole textRole,
           const Look& look) {
    QPalette palette = widget->palette();
    if (look.background.source != Colour::Source::Standard) {
        palette.setColor(backgroundRole, resolve(look.background, palette));
        widget->setAutoFillBackground(true);
    }
    if (look.text.source != Colour::Source::Standard) {
        palette.setColor(textRole, resolve(look.text, palette));
    }
    widget->setPalette(palette);
}

// Every control is made inside its parent and takes its font before its text,
// so that no text is laid out in the default font: its face is never drawn and
// would be loaded for nothing.
template <typename Widget>
Widget* create(const ControlRow& row, QWidget* parent) {
    auto* widget = new Widget(parent);
    widget->setFont(controlFont(row.font));
    return widget;
}

QWidget* makeTextBox(const ControlRow& row, QWidget* parent) {
    auto* box = create<QLineEdit>(row, parent);
    box->setText(QString::fromLatin1(row.text));
    box->setFrame(row.look.border);
    paint(box, QPalette::Base, QPalette::Text, row.look);
    box->setAlignment(row.alignment);
    box->setCursorPosition(0);  // a text wider than the box shows its beginning
    return box;
}

QWidget* makeMultiLineTextBox(const ControlRow& row, QWidget* parent) {
    auto* box = create<QPlainTextEdit>(row, parent);
    box->setPlainText(shownText(row.text));
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(row.scrollBar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (!row.look.border) {
        box->setFrameShape(QFrame::NoFrame);
    }
    box->document()->setDocumentMargin(1);
    paint(box, QPalette::Base, QPalette::Text, row.look);
    paint(box->viewport(), QPalette::Base, QPalette::Text, row.look);
    return box;
}

QWidget* makeButton(const ControlRow& row, QWidget* parent) {
    auto* button = create<EndsPressWhenBlocked<QPushButton>>(row, parent);
    button->setText(QString::fromLatin1(row.text));
    // Enter and Esc press nothing: no button is a default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* makeOptionButton(const ControlRow& row, QWidget* parent) {
    auto* option = create<EndsPressWhenBlocked<QRadioButton>>(row, parent);
    option->setText(QString::fromLatin1(row.text));
    paint(option, QPalette::Window, QPalette::WindowText, row.look);
    return option;
}

QWidget* makeScrollBar(const ControlRow& row, QWidget* parent) {
    auto* bar = create<ScrollBar>(row, parent);
    // It takes the keyboard focus like any control, so arrows and Page Up/Down move it.
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QWidget* makePictureBox(const ControlRow& row, QWidget* parent) {
    auto* picture = create<PictureBox>(row, parent);
    picture->setPixmap(bitmap(row.text));
    if (row.look.border) {
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
    }
    paint(picture, QPalette::Window, QPalette::WindowText, row.look);
    return picture;
}

QWidget* makeShape(const ControlRow& row, QWidget* parent) {
    auto* shape = create<QFrame>(row, parent);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    paint(shape, QPalette::Window, QPalette::WindowText, row.look);
    shape->setFocusPolicy(Qt::NoFocus);
    return shape;
}

template <typename Label>
QWidget* makeLabel(const ControlRow& row, QWidget* parent) {
    auto* label = create<Label>(row, parent);
    label->setText(QString::fromLatin1(row.text));
    label->setAlignment(row.alignment);
    label->setWordWrap(true);
    paint(label, QPalette::Window, QPalette::WindowText, row.look);
    return label;
}

QWidget* makeControl(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
        case ControlKind::TextBox:
            return makeTextBox(row, parent);
        case ControlKind::MultiLineTextBox:
            return makeMultiLineTextBox(row, parent);
        case ControlKind::Button:
            return makeButton(row, parent);
        case ControlKind::OptionButton:
            return makeOptionButton(row, parent);
        case ControlKind::ScrollBar:
            return makeScrollBar(row, parent);
        case ControlKind::PictureBox:
            return makePictureBox(row, parent);
        case ControlKind::Shape:
            return makeShape(row, parent);
        case ControlKind::Label:
            return makeLabel<QLabel>(row, parent);
        case ControlKind::Link:
            return makeLabel<LinkLabel>(row, parent);
    }
    return nullptr;
}

QRect placement(const ControlRow& row, QWidget* parent, bool inPicture) {
    if (inPicture) {
        const QPoint origin = parent->contentsRect().topLeft();
        return {origin.x() + twipsToPixels(row.at.left), origin.y() + twipsToPixels(row.at.top),
                twipsToPixels(row.at.width), twipsToPixels(row.at.height)};
    }
    return {twipsToPixels(row.at.left), twipsToPixels(row.at.top), twipsToPixels(row.at.width),
            twipsToPixels(row.at.height)};
}

}  // namespace

int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QString shownText(const char* stored) {
    QString text = QString::fromLatin1(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QFont controlFont(const Font& font) {
    // "MS Sans Serif" is drawn in Liberation Sans, metric-compatible with the
    // faces it was designed in, so that every text fits its box as designed.
    // It is asked for by its own name and alone: a family the system lacks, or
    // a list of alternatives, would have fontconfig search every installed font
    // for each style before the window could draw.
    QFont result(QStringLiteral("Liberation Sans"));
    result.setPointSizeF(font.points);
    result.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    return result;
}

void buildWindow(QWidget* window, const WindowDescription& description) {
    window->setObjectName(QString::fromLatin1(description.name));
    window->setWindowTitle(QString::fromLatin1(description.caption));
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (description.minimiseMaximise) {
        flags |= Qt::WindowMinMaxButtonsHint;
    }
    window->setWindowFlags(flags);
    const QSize client(twipsToPixels(description.clientWidth),
                       twipsToPixels(description.clientHeight));
    if (description.sizable) {
        window->resize(client);
    } else {
        window->setFixedSize(client);
    }
    window->setFont(controlFont(fonts::R8));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, resolve(description.background, palette));
    window->setPalette(palette);
}

void buildControls(QWidget* window, std::span<const ControlRow> table) {
    std::vector<QWidget*> tabOrder;
    std::vector<QWidget*> shapes;
    for (const ControlRow& row : table) {
        QWidget* parent = window;
        if (row.container != nullptr) {
            parent = requiredControl(window, row.container);
        }
        QWidget* control = makeControl(row, parent);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(placement(row, parent, row.container != nullptr));
        if (row.kind == ControlKind::Shape) {
            shapes.push_back(control);
        } else if (control->focusPolicy() != Qt::NoFocus) {
            tabOrder.push_back(control);
        }
    }
    for (QWidget* shape : shapes) {
        shape->lower();
    }
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
    if (!tabOrder.empty()) {
        tabOrder.front()->setFocus();
    }
}

}  // namespace querlin
