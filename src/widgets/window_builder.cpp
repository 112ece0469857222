#include "window_builder.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
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

// A row's text in the user's language. The tables hold their texts in
// English, marked with the window's objectName as their translation context;
// a number or a file name has no translation and stays as it is.
QString translated(const QByteArray& context, const ControlRow& row) {
    return QCoreApplication::translate(context.constData(), row.text, row.disambiguation);
}

// The width a single-line box has for its text: its contents less the frame
// and the margin Qt's line edit keeps on either side.
int roomInLine(const QLineEdit* box) {
    constexpr int kLineEditMargin = 2;
    const QMargins margins = box->textMargins();
    return box->contentsRect().width() - margins.left() - margins.right() - 2 * kLineEditMargin;
}

// The room a push button leaves its caption on either side.
constexpr int kButtonMargin = 6;

// A caption broken into lines at blanks, each as wide as the room allows where
// its words do.
QString brokenIntoLines(const QString& caption, const QFontMetrics& metrics, int room) {
    QStringList lines;
    for (const QString& word : caption.split(u' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + u' ' + word) <= room) {
            lines.back() += u' ' + word;
        } else {
            lines << word;
        }
    }
    return lines.join(u'\n');
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

QWidget* makeTextBox(const ControlRow& row, QWidget* parent, const QByteArray& context) {
    auto* box = create<QLineEdit>(row, parent);
    box->setText(translated(context, row));
    box->setFrame(row.look.border);
    paint(box, QPalette::Base, QPalette::Text, row.look);
    box->setAlignment(row.alignment);
    box->setCursorPosition(0);  // a text wider than the box shows its beginning
    return box;
}

QWidget* makeMultiLineTextBox(const ControlRow& row, QWidget* parent, const QByteArray& context) {
    auto* box = create<QPlainTextEdit>(row, parent);
    box->setPlainText(shownText(translated(context, row)));
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

QWidget* makeButton(const ControlRow& row, QWidget* parent, const QByteArray& context) {
    auto* button = create<EndsPressWhenBlocked<QPushButton>>(row, parent);
    button->setText(translated(context, row));
    // Enter and Esc press nothing: no button is a default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* makeOptionButton(const ControlRow& row, QWidget* parent, const QByteArray& context) {
    auto* option = create<EndsPressWhenBlocked<QRadioButton>>(row, parent);
    option->setText(translated(context, row));
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
QWidget* makeLabel(const ControlRow& row, QWidget* parent, const QByteArray& context) {
    auto* label = create<Label>(row, parent);
    label->setText(translated(context, row));
    label->setAlignment(row.alignment);
    label->setWordWrap(true);
    paint(label, QPalette::Window, QPalette::WindowText, row.look);
    return label;
}

QWidget* makeControl(const ControlRow& row, QWidget* parent, const QByteArray& context) {
    switch (row.kind) {
        case ControlKind::TextBox:
            return makeTextBox(row, parent, context);
        case ControlKind::MultiLineTextBox:
            return makeMultiLineTextBox(row, parent, context);
        case ControlKind::Button:
            return makeButton(row, parent, context);
        case ControlKind::OptionButton:
            return makeOptionButton(row, parent, context);
        case ControlKind::ScrollBar:
            return makeScrollBar(row, parent);
        case ControlKind::PictureBox:
            return makePictureBox(row, parent);
        case ControlKind::Shape:
            return makeShape(row, parent);
        case ControlKind::Label:
            return makeLabel<QLabel>(row, parent, context);
        case ControlKind::Link:
            return makeLabel<LinkLabel>(row, parent, context);
    }
    return nullptr;
}

// How far a control can grow to the right and to the left before it meets
// another control beside it or the edge of its parent.
std::pair<int, int> roomBeside(const QWidget* control) {
    const QRect at = control->geometry();
    int right = control->parentWidget()->width() - at.right() - 1;
    int left = at.left();
    for (const QObject* child : control->parentWidget()->children()) {
        const auto* other = qobject_cast<const QWidget*>(child);
        if (other == nullptr || other == control || other->isWindow()) {
            continue;
        }
        const QRect its = other->geometry();
        if (its.bottom() < at.top() || its.top() > at.bottom()) {
            continue;
        }
        if (its.left() > at.right()) {
            right = std::min(right, its.left() - at.right() - 1);
        } else if (its.right() < at.left()) {
            left = std::min(left, at.left() - its.right() - 1);
        }
    }
    return {right, left};
}

// Widens a control by what its caption lacks, into the room to its right
// first, then to its left; it keeps its top and height.
void widen(QWidget* control, int lacking) {
    const auto [right, left] = roomBeside(control);
    const int toRight = std::min(lacking, right);
    const int toLeft = std::min(lacking - toRight, left);
    const QRect at = control->geometry();
    control->setGeometry(at.left() - toLeft, at.top(), at.width() + toLeft + toRight, at.height());
}

// The room a multi-line box gives its text: its viewport less the document's margins.
QRect roomInBox(const QPlainTextEdit* box) {
    const int margin = static_cast<int>(box->document()->documentMargin());
    return box->contentsRect().adjusted(margin, margin, -margin, -margin);
}

// A translated fixed text longer than the English one: it wraps within its
// box where its lines fit the box's height, and otherwise takes the room beside
// the box, so that no translation is cut off. The control keeps its place.
QWidget* fitted(QWidget* control, const ControlRow& row, const QByteArray& context) {
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        const QFontMetrics metrics(line->font());
        const int lacking = metrics.horizontalAdvance(line->text()) + 1 - roomInLine(line);
        if (lacking <= 0) {
            return control;
        }
        ControlRow wrapped = row;
        wrapped.kind = ControlKind::MultiLineTextBox;
        auto* box = qobject_cast<QPlainTextEdit*>(
            makeMultiLineTextBox(wrapped, control->parentWidget(), context));
        box->setGeometry(control->geometry());
        const QRect room = roomInBox(box);
        if (metrics.boundingRect(room, Qt::TextWordWrap, line->text()).height() <= room.height()) {
            box->setObjectName(control->objectName());
            box->stackUnder(control);
            delete control;
            return box;
        }
        delete box;
        widen(line, lacking);
        return control;
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        const QFontMetrics metrics(button->font());
        const int room = button->width() - 2 * kButtonMargin;
        if (metrics.horizontalAdvance(button->text()) > room) {
            button->setText(brokenIntoLines(button->text(), metrics, room));
        }
        return control;
    }
    if (auto* option = qobject_cast<QRadioButton*>(control)) {
        const int lacking = option->sizeHint().width() - option->width();
        if (lacking > 0) {
            widen(option, lacking);
        }
    }
    return control;
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

QString shownText(QString text) {
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
    window->setWindowTitle(QCoreApplication::translate(description.name, description.caption));
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
    std::vector<std::pair<QWidget*, const ControlRow*>> toFit;
    const QByteArray context = window->objectName().toLatin1();
    for (const ControlRow& row : table) {
        QWidget* parent = window;
        if (row.container != nullptr) {
            parent = requiredControl(window, row.container);
        }
        QWidget* control = makeControl(row, parent, context);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(placement(row, parent, row.container != nullptr));
        if (translated(context, row) != QLatin1String(row.text)) {
            toFit.emplace_back(control, &row);
        }
        if (row.kind == ControlKind::Shape) {
            shapes.push_back(control);
        } else if (control->focusPolicy() != Qt::NoFocus) {
            tabOrder.push_back(control);
        }
    }
    // Once every control stands where it belongs, the translated captions
    // find their room among them.
    for (auto& [control, row] : toFit) {
        QWidget* fit = fitted(control, *row, context);
        std::replace(tabOrder.begin(), tabOrder.end(), control, fit);
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
