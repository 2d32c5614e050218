#include "game_style.h"

#include "skin.h"

namespace shell {
namespace {

using window::ControlKind;

QString css(const QColor& c) {
    return c.name(QColor::HexRgb);
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

// A field or list in a well: sunk into the window's stone where it stands on it, its text
// clear of the well's edges. One on its own colour has a flat edge of mortar and steel.
QString wellStyle(const char* kind, const skin::Colours& c, int zoom, bool onPlate) {
    const QString selector = QString::fromLatin1(kind);
    QString sheet = QStringLiteral("%1 { background: %2; color: %3; padding: 0 %4px; }")
                        .arg(selector, css(c.background), css(c.text))
                        .arg(2 * zoom);
    if (onPlate)
        return sheet + QStringLiteral("%1 { border: none; }").arg(selector);
    if (c.background == skin::kInk)
        return sheet + skin::framedStyle(selector, "well", zoom);
    return sheet + QStringLiteral("%1 { border: %2px solid; border-color: %3 %4 %4 %3; }")
                       .arg(selector)
                       .arg(zoom)
                       .arg(css(skin::kWallMortar), css(skin::kSteel));
}

} // namespace

QString gameStyleSheet(const window::Control& control, int zoom, bool onPlate, int indent,
                       bool bare) {
    const skin::Colours c = skin::colours(control);
    switch (control.kind) {
    case ControlKind::Button:
    case ControlKind::BitBtn:
        return skin::buttonStyle(c, QStringLiteral("0"), zoom);
    case ControlKind::RichEdit:
        return boxStyle("QTextEdit", c, zoom, indent);
    case ControlKind::ListBox:
        return wellStyle("QListWidget", c, zoom, false);
    case ControlKind::Panel: {
        // A raised stone panel; one on its own colour keeps a flat frame of the same light.
        const QString selector =
            QStringLiteral("QFrame#%1").arg(QString::fromStdString(control.name));
        const QString sheet =
            QStringLiteral("%1 { background: %2; }").arg(selector, css(c.background));
        if (c.background == skin::kCharcoal)
            return sheet + skin::framedStyle(selector, "panel", zoom);
        return sheet + QStringLiteral("%1 { border: %2px solid; border-color: %3 %4 %4 %3; }")
                           .arg(selector)
                           .arg(2 * zoom)
                           .arg(css(skin::kWallEdge), css(skin::kWallMortar));
    }
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
