#pragma once

#include <QPalette>
#include <Qt>

namespace querlin {

// A window's controls are data: one row per control, in tab order, mirroring
// the designer's description. One builder turns any such table into widgets.

enum class ControlKind {
    TextBox,           // single-line, QLineEdit
    MultiLineTextBox,  // word-wrapped, QPlainTextEdit
    Button,
    OptionButton,
    ScrollBar,   // horizontal
    PictureBox,  // a bitmap at its top-left corner, unscaled
    Shape,       // a solid rectangle
    Label,       // static text that takes no focus
    Link,        // a label that leads somewhere, reached with Tab
};

// Position and size in twips: 15 twips are one pixel at 96 dots per inch.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

constexpr int kTwipsPerPixel = 15;

// A colour: the control's standard one, a role of the desktop's colour scheme,
// or a fixed colour.
struct Colour {
    enum class Source { Standard, System, Fixed };
    Source source = Source::Standard;
    QPalette::ColorRole role = QPalette::NoRole;
    QRgb rgb = 0;

    // A fixed colour as the designer writes it, &HBBGGRR&.
    static constexpr Colour bgr(unsigned bbggrr) {
        const unsigned red = bbggrr & 0xFFU;
        const unsigned green = (bbggrr >> 8U) & 0xFFU;
        const unsigned blue = (bbggrr >> 16U) & 0xFFU;
        return {Source::Fixed, QPalette::NoRole, 0xFF000000U | (red << 16U) | (green << 8U) | blue};
    }
    static constexpr Colour system(QPalette::ColorRole role) { return {Source::System, role, 0}; }
};

namespace colours {
constexpr Colour standard{};
constexpr Colour windowBackground = Colour::system(QPalette::Base);
constexpr Colour windowText = Colour::system(QPalette::Text);
constexpr Colour highlight = Colour::system(QPalette::Highlight);
constexpr Colour highlightText = Colour::system(QPalette::HighlightedText);
constexpr Colour buttonFace = Colour::system(QPalette::Button);
// Title-bar text stands white on the usual schemes, like highlighted text.
constexpr Colour titleBarText = Colour::system(QPalette::HighlightedText);
}  // namespace colours

// How a control is painted: border, background and text colour.
struct Look {
    bool border = false;
    Colour background;
    Colour text;
};

namespace looks {
constexpr Look standard{true, colours::standard, colours::standard};
}  // namespace looks

// Every font is "MS Sans Serif" at one of a few sizes.
struct Font {
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

namespace fonts {
constexpr Font R8{8.25, false};
constexpr Font B8{8.25, true};
constexpr Font R10{9.75, false};
constexpr Font B10{9.75, true};
constexpr Font BI10{9.75, true, true};
constexpr Font B12{12.0, true};
constexpr Font B13{13.5, true};
constexpr Font BI13{13.5, true, true};
}  // namespace fonts

struct ControlRow {
    const char* name;
    ControlKind kind;
    Twips at;
    // The initial text or caption; for a picture box the file name of its
    // picture in assets/.
    // Multi-line texts are stored with CR LF line ends.
    const char* text;
    Look look;
    Font font;
    // The picture box the control lies in, whose scale is pixels, or none.
    const char* container = nullptr;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool scrollBar = false;  // a multi-line box with a vertical scroll bar when needed
    // What tells the text apart, for the translators, from the same English
    // text elsewhere in the window that another language words differently.
    const char* disambiguation = nullptr;
};

// The window itself.
struct WindowDescription {
    const char* name;
    const char* caption;
    int clientWidth;  // twips
    int clientHeight;
    bool sizable;
    bool minimiseMaximise;
    Colour background;
};

}  // namespace querlin
