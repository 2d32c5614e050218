#include "game_style.h"

namespace shell {
namespace {

using window::ControlKind;

// The panels' palette: their light edge, their ink and the dark and light of their iron.
constexpr const char* kEdgeLight = "#98a4bc";
constexpr const char* kInk = "#140c1c";
constexpr const char* kIronDark = "#4a4654";
constexpr const char* kHighlight = "#f4f1ea";
constexpr const char* kCharcoal = "#2e2a36";
constexpr const char* kGold = "#f6c840";

QString rgb(std::uint32_t colour) {
    return QStringLiteral("#%1").arg(colour & 0xffffff, 6, 16, QLatin1Char('0'));
}

// A raised button: light on the upper-left edges, dark on the lower-right, swapped while
// pressed; the one with the keyboard focus is edged in gold.
QString buttonStyle(const window::Control& c, int zoom) {
    return QStringLiteral("QPushButton { background: %1; color: %2; border: %3px solid;"
                          " border-color: %4 %5 %5 %4; padding: 0; }"
                          "QPushButton:pressed { border-color: %5 %4 %4 %5; }"
                          "QPushButton:focus { border-color: %6 %5 %5 %6; }"
                          "QPushButton:disabled { color: %7; }")
        .arg(rgb(c.background), rgb(c.textColor))
        .arg(2 * zoom)
        .arg(kHighlight, kCharcoal, kGold, kIronDark);
}

// A text box over the play field: a double stone edge and padding inside it.
QString boxStyle(const char* kind, const window::Control& c, int zoom) {
    return QStringLiteral("%1 { background: %2; color: %3; border: %4px ridge %5;"
                          " padding: %6px; }")
        .arg(QString::fromLatin1(kind), rgb(c.background), rgb(c.textColor))
        .arg(3 * zoom)
        .arg(kEdgeLight)
        .arg(3 * zoom);
}

// A field in a grid or on its own: a thin dark edge, its text clear of it.
QString fieldStyle(const window::Control& c, int zoom, bool onPlate) {
    const QString border =
        onPlate ? QStringLiteral("none") : QStringLiteral("%1px solid %2").arg(zoom).arg(kIronDark);
    return QStringLiteral("QLineEdit { background: %1; color: %2; border: %3;"
                          " padding: 0 %4px; }")
        .arg(rgb(c.background), rgb(c.textColor), border)
        .arg(2 * zoom);
}

} // namespace

QString gameStyleSheet(const window::Control& c, int zoom, bool onPlate) {
    switch (c.kind) {
    case ControlKind::Button:
    case ControlKind::BitBtn:
        return buttonStyle(c, zoom);
    case ControlKind::RichEdit:
        return boxStyle("QTextEdit", c, zoom);
    case ControlKind::ListBox:
        return boxStyle("QListWidget", c, zoom);
    case ControlKind::Panel:
        return QStringLiteral("QFrame#%1 { background: %2; border: %3px ridge %4; }")
            .arg(QString::fromStdString(c.name), rgb(c.background))
            .arg(2 * zoom)
            .arg(kEdgeLight);
    case ControlKind::Memo:
    case ControlKind::Edit:
        return fieldStyle(c, zoom, onPlate);
    case ControlKind::Image:
    case ControlKind::Label:
        break;
    }
    return {};
}

} // namespace shell
