#include "qt_platform.h"

#include "game/startup.h"
#include "skin.h"
#include "tkrn10.h"
#include "window_place.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

namespace shell {
namespace {

const QString kTitle = QString::fromLatin1(game::kCaption);
constexpr int kHelpWidth = 640; // game pixels
constexpr int kHelpHeight = 560;
constexpr int kCell = 32; // a tile picture
constexpr int kStripColumns = 11;
constexpr int kMaskedPictures = 159; // pictures with a mask in chtableb.dq; the hero's follow him

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Gravenhold Help"));
    setObjectName(QStringLiteral("HelpWindow"));
    setOpenExternalLinks(false);
    // Headings in the gold of the game's titles at the text's own pixel size, links in gold.
    document()->setDefaultStyleSheet(
        QStringLiteral("h1, h2, h3 { color: #f6c840; font-size: medium; font-weight: normal; }"
                       "h1 { text-decoration: underline; } a { color: #fff39c; }"));
    setZoom(1);
}

bool HelpWindow::openContents(const QString& file) {
    if (!QFileInfo(file).isReadable())
        return false;
    dataFolder_ = QFileInfo(file).dir().filePath(QStringLiteral("data"));
    setSource(QUrl::fromLocalFile(file), QTextDocument::HtmlResource);
    return true;
}

void HelpWindow::setZoom(int zoom) {
    const bool changed = zoom != zoom_;
    zoom_ = zoom;
    QSize size(kHelpWidth * zoom, kHelpHeight * zoom);
    if (const QScreen* where = parentWidget() ? parentWidget()->screen() : screen())
        size = size.boundedTo(where->availableSize() * 4 / 5); // room for the frame and more
    resize(size);
    if (changed && !source().isEmpty())
        reload(); // the pictures again, at the new size
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

QVariant HelpWindow::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource && name.scheme() == QStringLiteral("picture")) {
        bool ok = false;
        const int number = name.path().toInt(&ok);
        const QImage shown = ok ? picture(number) : QImage();
        if (!shown.isNull())
            return shown;
    }
    return QTextBrowser::loadResource(type, name);
}

QImage HelpWindow::picture(int number) {
    if (strip_.isNull()) {
        strip_.load(QDir(dataFolder_).filePath(QStringLiteral("chtable.dq")), "BMP");
        masks_.load(QDir(dataFolder_).filePath(QStringLiteral("chtableb.dq")), "BMP");
    }
    auto cell = [](const QImage& sheet, int n) {
        return sheet.copy((n % kStripColumns) * kCell, (n / kStripColumns) * kCell, kCell, kCell);
    };
    if (number < 0 || strip_.isNull() || (number / kStripColumns + 1) * kCell > strip_.height())
        return {};
    const QImage sprite = cell(strip_, number);
    const QImage mask = number < kMaskedPictures ? cell(masks_, number) : cell(strip_, number + 1);
    QImage shown(kCell, kCell, QImage::Format_RGB32);
    shown.fill(skin::kInk);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            if (mask.isNull() || (mask.pixel(x, y) & 0xffffff) == 0)
                shown.setPixel(x, y, sprite.pixel(x, y));
    return shown.scaled(kCell * zoom_, kCell * zoom_, Qt::IgnoreAspectRatio,
                        Qt::FastTransformation);
}

namespace {

// A message box in the game's skin: its text and buttons, without the desktop's icons.
QMessageBox::StandardButton askWith(QWidget* owner, const std::string& text,
                                    QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, QString::fromStdString(text), buttons, owner);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtPlatform::messageBox(const std::string& text) {
    askWith(owner_, text, QMessageBox::Ok);
}

bool QtPlatform::askYesNo(const std::string& text) {
    return askWith(owner_, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtPlatform::askText(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& initial) {
    bool ok = false;
    const QString answer = QInputDialog::getText(owner_, QString::fromStdString(caption),
                                                 QString::fromStdString(prompt), QLineEdit::Normal,
                                                 QString::fromStdString(initial), &ok);
    if (!ok)
        return std::nullopt;
    return answer.toStdString();
}

void QtPlatform::showHelp(const std::string& helpFile) {
    if (!help_)
        help_ = new HelpWindow(owner_);
    if (const auto* main = dynamic_cast<const TKRN10*>(owner_.data()))
        help_->setZoom(main->zoom());
    const QString file = QString::fromStdString(helpFile);
    if (!help_->openContents(file)) {
        messageBox("Cannot open the help file " + helpFile + ".");
        return;
    }
    help_->home();
    if (!help_->isVisible() && owner_)
        placeCentredOn(*help_, *owner_);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

} // namespace shell
