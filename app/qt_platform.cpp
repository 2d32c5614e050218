#include "qt_platform.h"

#include "game/startup.h"
#include "window_place.h"

#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QUrl>

namespace shell {
namespace {

const QString kTitle = QString::fromLatin1(game::kCaption);
constexpr int kHelpWidth = 640;
constexpr int kHelpHeight = 560;

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
    resize(kHelpWidth, kHelpHeight);
}

bool HelpWindow::openContents(const QString& file) {
    if (!QFileInfo(file).isReadable())
        return false;
    setSource(QUrl::fromLocalFile(file), QTextDocument::HtmlResource);
    return true;
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
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
