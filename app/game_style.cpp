#include "game_style.h"

#include "skin.h"

namespace shell {
namespace {

using window::ControlKind;

QString css(const QColor& c) {
    return c.name(QColor::HexRgb);
}

// A raised stone button: light on the upper-left edges, mortar on the lower-right, swapped
// while pressed; pale gold edges under the mouse, gold all round with the keyboard focus.
QString buttonStyle(const skin::Colours& c, int zoom) {
    return QStringLiteral("QPushButton { background: %1; color: %2; border: %3px solid;"
                          " border-color: %4 %5 %5 %4; padding: 0; }"
                          "QPushButton:hover { border-color: %6 %5 %5 %6; }"
                          "QPushButton:pressed { background: %7; border-color: %5 %4 %4 %5; }"
                          "QPushButton:focus { border-color: %8; }"
                          "QPushButton:disabled { color: %9; }")
        .arg(css(c.background), css(c.text))
        .arg(2 * zoom)
        .arg(css(skin::kWallEdge), css(skin::kWallMortar), css(skin::kPaleGold),
             css(skin::kWallShade), css(skin::kGold), css(skin::kSteel));
}

// The dialogue box over the play field: a double frame of the walls' light edge, the text clear
// of it.
QString boxStyle(const char* kind, const skin::Colours& c, int zoom, int indent) {
    return QStringLiteral("%1 { background: %2; color: %3; border: %4px double %5;"
                          " padding: %6px; padding-left: %7px; }")
        .arg(QString::fromLatin1(kind), css(c.background), css(c.text))
        .arg(3 * zoom)
        .arg(css(skin::kWallEdge))
        .arg(2 * zoom)
        .arg((2 + indent) * zoom);
}

// A field or list in a well: mortar above and to the left, steel below and to the right.
QString wellStyle(const char* kind, const skin::Colours& c, int zoom, bool onPlate) {
    const QString border = onPlate ? QStringLiteral("none")
                                   : QStringLiteral("%1px solid; border-color: %2 %3 %3 %2")
                                         .arg(zoom)
                                         .arg(css(skin::kWallMortar), css(skin::kSteel));
    return QStringLiteral("%1 { background: %2; color: %3; border: %4; padding: 0 %5px; }")
        .arg(QString::fromLatin1(kind), css(c.background), css(c.text), border)
        .arg(2 * zoom);
}

} // namespace

QString gameStyleSheet(const window::Control& control, int zoom, bool onPlate, int indent,
                       bool bare) {
    const skin::Colours c = skin::colours(control);
    switch (control.kind) {
    case ControlKind::Button:
    case ControlKind::BitBtn:
        return buttonStyle(c, zoom);
    case ControlKind::RichEdit:
        return boxStyle("QTextEdit", c, zoom, indent);
    case ControlKind::ListBox:
        return wellStyle("QListWidget", c, zoom, false);
    case ControlKind::Panel:
        return QStringLiteral("QFrame#%1 { background: %2; border: %3px solid;"
                              " border-color: %4 %5 %5 %4; }")
            .arg(QString::fromStdString(control.name), css(c.background))
            .arg(2 * zoom)
            .arg(css(skin::kWallEdge), css(skin::kWallMortar));
    case ControlKind::Memo:
    case ControlKind::Edit:
        if (bare)
            return QStringLiteral("QLineEdit { background: transparent; border: none; }");
        return wellStyle("QLineEdit", c, zoom, onPlate);
    case ControlKind::Label:
        return QStringLiteral("QLabel { color: %1; background: transparent; }").arg(css(c.text));
    case ControlKind::Image:
        break;
    }
    return {};
}

} // namespace shell
