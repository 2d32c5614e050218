#include "skin.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cmath>

namespace shell::skin {
namespace {

using window::ControlKind;

// The colours the game's window model gives its controls, as the old desktop had them.
constexpr std::uint32_t kModelGrey = 0x808080;
constexpr std::uint32_t kModelSilver = 0xc0c0c0;
constexpr std::uint32_t kModelBlack = 0x000000;
constexpr std::uint32_t kModelWhite = 0xffffff;
constexpr std::uint32_t kModelMaroon = 0x800000;

// The pixel font's three designs: glyphs of 6 x 12, 8 x 16 and 12 x 24 game pixels
// (fonts-spleen), and the smallest control font size that takes each.
struct Design {
    const char* family;
    int pixels;
    int from;
};
constexpr std::array<Design, 3> kDesigns = {{
    {"Spleen 6x12", 12, 0},
    {"Spleen 8x16", 16, 11},
    {"Spleen 12x24", 24, 14},
}};
// The width of the frame pictures' edges, in game pixels.
constexpr int kFrameSlice = 2;

constexpr const char* kStandInFamily = "DejaVu Sans";
constexpr int kDefaultPixels = 12;

// The design a control's font size takes (0, the window's default, takes the smallest). The
// figures have few characters in wide wells: they take the next design a size earlier.
std::size_t designFor(int pixels, Role role) {
    if (role == Role::Figures && pixels > 0)
        ++pixels;
    std::size_t chosen = 0;
    for (std::size_t n = 0; n < kDesigns.size(); ++n)
        if (pixels >= kDesigns[n].from)
            chosen = n;
    return chosen;
}

QFont designFont(std::size_t design, int zoom) {
    QFont font;
    font.setFamily(QString::fromLatin1(kDesigns[design].family));
    font.setPixelSize(kDesigns[design].pixels * zoom);
    // Every glyph pixel lands on zoom x zoom screen pixels: no smoothing, no hinting.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString& pictureFolder() {
    static QString folder;
    return folder;
}

// The frame pictures grown by the zoom, each game pixel zoom x zoom screen pixels, where the
// style sheets find them ("skin:NAME.png"). Style sheets smooth what they scale: the frames
// are scaled here, and the sheets only repeat their plain edges and middle.
void zoomPictures(int zoom) {
    static const QTemporaryDir zoomed;
    if (pictureFolder().isEmpty() || !zoomed.isValid())
        return;
    const QDir from(pictureFolder());
    const QDir to(zoomed.filePath(QString::number(zoom)));
    QDir().mkpath(to.path());
    for (const QString& name : from.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        if (to.exists(name))
            continue;
        const QImage picture(from.filePath(name));
        picture.scaled(picture.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(to.filePath(name));
    }
    QDir::setSearchPaths(QStringLiteral("skin"), {to.path()});
}

QString css(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QColor fromModel(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

// The background a control of this kind gets where the game left the desktop's silver.
QColor skinBackground(ControlKind kind) {
    switch (kind) {
    case ControlKind::RichEdit:
        return kDarkBlue; // the dialogue box
    case ControlKind::Button:
    case ControlKind::BitBtn:
        return kWallStone;
    case ControlKind::Panel:
    case ControlKind::Label:
    case ControlKind::Image:
        return kCharcoal; // the window's own stone
    case ControlKind::Memo:
    case ControlKind::Edit:
    case ControlKind::ListBox:
        break;
    }
    return kInk; // fields and lists stand in wells
}

double channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

} // namespace

Colours colours(const window::Control& c) {
    Colours shown{fromModel(c.textColor), fromModel(c.background)};
    if (c.background == kModelGrey || c.background == kModelSilver)
        shown.background = skinBackground(c.kind);
    if (c.textColor == kModelBlack || c.textColor == kModelWhite)
        shown.text =
            contrast(kWhite, shown.background) >= contrast(kInk, shown.background) ? kWhite : kInk;
    else if (c.textColor == kModelMaroon)
        shown.text = kGold;
    return shown;
}

std::vector<TextPair> textPairs() {
    return {
        {"window text", kWhite, kCharcoal},
        {"field", kWhite, kInk},
        {"dialogue box", kWhite, kDarkBlue},
        {"button", kWhite, kWallStone},
        {"pressed button", kWhite, kWallShade},
        {"menu", kWhite, kInk},
        {"menu bar", kWhite, kCharcoal},
        {"chosen entry", kPaleGold, kDarkBlue},
        {"disabled entry", kSteel, kInk},
        {"tool tip", kWhite, kInk},
        {"title", kGold, kCharcoal},
        {"link", kGold, kInk},
    };
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool pixelFontInstalled() {
    static const bool installed =
        std::all_of(kDesigns.begin(), kDesigns.end(), [](const Design& d) {
            return QFontDatabase::hasFamily(QString::fromLatin1(d.family));
        });
    return installed;
}

QFont pixelFont(int pixels, int zoom, Role role) {
    if (!pixelFontInstalled()) {
        QFont font;
        font.setFamilies({QStringLiteral("Verdana"), QString::fromLatin1(kStandInFamily)});
        font.setPixelSize((pixels > 0 ? pixels : kDefaultPixels) * zoom);
        return font;
    }
    return designFont(designFor(pixels, role), zoom);
}

QFont pixelFontToFit(int pixels, int zoom, Role role, const QString& text, int width, int height) {
    if (!pixelFontInstalled())
        return pixelFont(pixels, zoom);
    std::size_t design = designFor(pixels, role);
    QFont font = designFont(design, zoom);
    while (design > 0 && ((height > 0 && font.pixelSize() > height) ||
                          (width > 0 && QFontMetrics(font).horizontalAdvance(text) > width)))
        font = designFont(--design, zoom);
    return font;
}

void usePicturesIn(const QString& gameFolder) {
    pictureFolder() = QDir(gameFolder).filePath(QStringLiteral("skin"));
}

QString framedStyle(const QString& selector, const char* name, int zoom) {
    return QStringLiteral("%1 { border-image: url(skin:%2.png) %3 %3 %3 %3 repeat;"
                          " border-width: %4px; }")
        .arg(selector, QString::fromLatin1(name))
        .arg(kFrameSlice * zoom)
        .arg(kFrameSlice * zoom);
}

QString buttonStyle(const Colours& c, const QString& padding, int zoom) {
    // Keyboard focus comes after the mouse's light so that it stays visible under the mouse.
    QString sheet = QStringLiteral("QPushButton { background: %1; color: %2; padding: %3;"
                                   " background-clip: padding; }"
                                   "QPushButton:disabled { color: %4; }")
                        .arg(css(c.background), css(c.text), padding, css(kSteel));
    sheet += framedStyle(QStringLiteral("QPushButton"), "button", zoom);
    sheet += framedStyle(QStringLiteral("QPushButton:hover"), "button-hover", zoom);
    sheet += framedStyle(QStringLiteral("QPushButton:focus"), "button-focus", zoom);
    sheet += framedStyle(QStringLiteral("QPushButton:pressed"), "button-pressed", zoom);
    sheet += framedStyle(QStringLiteral("QPushButton:disabled"), "button-disabled", zoom);
    return sheet;
}

QString applicationStyleSheet(int zoom) {
    const auto px = [zoom](int n) { return QStringLiteral("%1px").arg(n * zoom); };
    QString sheet;
    sheet += QStringLiteral("QMenuBar { background: %1; color: %2; border-bottom: %3 solid %4;"
                            " padding: 0 %5; }"
                            "QMenuBar::item { background: transparent; padding: %6 %7; }"
                            "QMenuBar::item:selected, QMenuBar::item:pressed"
                            " { background: %8; color: %9; }"
                            "QMenuBar::item:disabled { color: %10; }")
                 .arg(css(kCharcoal), css(kWhite), px(1), css(kInk), px(2), px(2), px(6),
                      css(kDarkBlue), css(kPaleGold))
                 .arg(css(kSteel));
    sheet += QStringLiteral("QMenu { background: %1; color: %2; border: %3 solid %4;"
                            " padding: %5; }"
                            "QMenu::item { background: transparent; padding: %5 %6 %5 %7; }"
                            "QMenu::item:selected { background: %8; color: %9; }")
                 .arg(css(kInk), css(kWhite), px(1), css(kWallEdge), px(2), px(12), px(14),
                      css(kDarkBlue), css(kPaleGold));
    sheet += QStringLiteral("QMenu::item:disabled { color: %1; }"
                            "QMenu::separator { height: %2; background: %3; margin: %4 %5; }"
                            "QMenu::indicator { width: %6; height: %6; left: %4; }"
                            "QMenu::indicator:checked { background: %7; border: %2 solid %8; }"
                            "QMenu::indicator:unchecked { background: transparent; }")
                 .arg(css(kSteel), px(1), css(kIronDark), px(2), px(4), px(6), css(kGold),
                      css(kPaleGold));
    sheet +=
        QStringLiteral("QToolTip { background: %1; color: %2; border: %3 solid %4;"
                       " padding: %5; }"
                       "QDialog, QMessageBox, QInputDialog { background: %6; }"
                       "QDialogButtonBox { dialogbuttonbox-buttons-have-icons: 0; }"
                       "QDialog QLabel, QMessageBox QLabel { color: %2; }"
                       "QMessageBox QLabel, QInputDialog QLabel { margin: %7 %8; }")
            .arg(css(kInk), css(kWhite), px(1), css(kGold), px(2), css(kCharcoal), px(4), px(8));
    sheet += buttonStyle({kWhite, kWallStone}, QStringLiteral("%1 %2").arg(px(2), px(8)), zoom);
    sheet += QStringLiteral("QLineEdit, QListWidget, QTextEdit { background: %1; color: %2;"
                            " selection-background-color: %3; selection-color: %4; }"
                            "QTextEdit { border: %5 solid; border-color: %6 %7 %7 %6; }"
                            "QListWidget::item:selected { background: %3; color: %4; }")
                 .arg(css(kInk), css(kWhite), css(kDarkBlue), css(kPaleGold), px(1),
                      css(kWallMortar), css(kSteel));
    sheet += framedStyle(QStringLiteral("QLineEdit, QListWidget"), "well", zoom);
    sheet += QStringLiteral("QScrollBar { background: %1; border: none; }"
                            "QScrollBar:vertical { width: %2; }"
                            "QScrollBar:horizontal { height: %2; }"
                            "QScrollBar::handle { background: %3; border: %4 solid %5;"
                            " min-height: %6; min-width: %6; }"
                            "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
                            "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
                 .arg(css(kWallMortar), px(8), css(kWallStone), px(1), css(kWallEdge), px(16));
    sheet += QStringLiteral("QTextBrowser#HelpWindow { background: %1; color: %2;"
                            " border: %3 solid; border-color: %4 %5 %5 %4; padding: %6; }")
                 .arg(css(kInk), css(kWhite), px(4), css(kWallEdge), css(kWallStone), px(8));
    return sheet;
}

void applyToApplication(int zoom) {
    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, kCharcoal);
        palette.setColor(group, QPalette::WindowText, kWhite);
        palette.setColor(group, QPalette::Base, kInk);
        palette.setColor(group, QPalette::AlternateBase, kWallMortar);
        palette.setColor(group, QPalette::Text, kWhite);
        palette.setColor(group, QPalette::Button, kWallStone);
        palette.setColor(group, QPalette::ButtonText, kWhite);
        palette.setColor(group, QPalette::Highlight, kDarkBlue);
        palette.setColor(group, QPalette::HighlightedText, kPaleGold);
        palette.setColor(group, QPalette::ToolTipBase, kInk);
        palette.setColor(group, QPalette::ToolTipText, kWhite);
        palette.setColor(group, QPalette::Link, kGold);
        palette.setColor(group, QPalette::LinkVisited, kPaleGold);
        palette.setColor(group, QPalette::PlaceholderText, kSteel);
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, kSteel);
    palette.setColor(QPalette::Disabled, QPalette::Window, kCharcoal);
    palette.setColor(QPalette::Disabled, QPalette::Base, kInk);
    palette.setColor(QPalette::Disabled, QPalette::Button, kWallShade);
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Light, kWallEdge);
        palette.setColor(group, QPalette::Midlight, kWallStone);
        palette.setColor(group, QPalette::Mid, kWallShade);
        palette.setColor(group, QPalette::Dark, kWallMortar);
        palette.setColor(group, QPalette::Shadow, kInk);
    }
    QApplication::setPalette(palette);
    // The desktop may give some kinds of widget fonts of their own: all take the pixel font.
    const QFont font = pixelFont(0, zoom);
    QApplication::setFont(font);
    for (const char* kind :
         {"QMenuBar", "QMenu", "QMessageBox", "QMessageBoxLabel", "QTipLabel", "QLabel",
          "QPushButton", "QLineEdit", "QTextEdit", "QAbstractItemView", "QListView", "QDialog"})
        QApplication::setFont(font, kind);
    zoomPictures(zoom);
    qApp->setStyleSheet(applicationStyleSheet(zoom));
}

QIcon arrowIcon(Arrow arrow, int side) {
    // An arrow head over a short stem on a grid of 7 x 7 cells, pointing up; turned for the
    // other directions.
    constexpr std::array<const char*, 7> kUp = {"...x...", "..xxx..", ".xxxxx.", "xxxxxxx",
                                                "..xxx..", "..xxx..", "..xxx.."};
    const int cell = std::max(1, side / 7);
    auto draw = [&](const QColor& ink) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        const int origin = (side - 7 * cell) / 2;
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 7; ++col) {
                if (kUp[static_cast<std::size_t>(row)][col] != 'x')
                    continue;
                int x = col;
                int y = row;
                switch (arrow) {
                case Arrow::Up:
                    break;
                case Arrow::Down:
                    y = 6 - row;
                    break;
                case Arrow::Left:
                    x = row;
                    y = col;
                    break;
                case Arrow::Right:
                    x = 6 - row;
                    y = col;
                    break;
                }
                painter.fillRect(origin + x * cell, origin + y * cell, cell, cell, ink);
            }
        return pixmap;
    };
    QIcon icon;
    icon.addPixmap(draw(kWhite), QIcon::Normal);
    icon.addPixmap(draw(kSteel), QIcon::Disabled);
    return icon;
}

} // namespace shell::skin
