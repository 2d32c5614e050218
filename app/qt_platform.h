// The desktop services the game asks for, answered with Qt dialogs: message boxes, Yes/No
// questions, text input and the help window.
#pragma once

#include "platform/platform.h"

#include <QImage>
#include <QPointer>
#include <QTextBrowser>
#include <QWidget>

namespace shell {

// The help window: the game's help file (HTML) at its contents page, on a framed page in the
// game's skin, with the game's own pictures beside the text: an image named "picture:N" is
// picture N of the tile pictures (data/chtable.dq) on the page's ink, through its mask. The
// window, its font and its pictures grow with the game's zoom.
class HelpWindow : public QTextBrowser {
  public:
    explicit HelpWindow(QWidget* parent);
    // Open the file; false when it cannot be read.
    bool openContents(const QString& file);
    void setZoom(int zoom);
    int zoom() const { return zoom_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override; // Escape closes the window
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QImage picture(int number);

    int zoom_ = 1;
    QString dataFolder_;
    QImage strip_; // the tile pictures and their masks, read when the page first shows one
    QImage masks_;
};

class QtPlatform final : public window::Platform {
  public:
    // Dialogs are centred on `owner` (the main window; may be set later).
    void setOwner(QWidget* owner) { owner_ = owner; }

    void messageBox(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override;
    void showHelp(const std::string& helpFile) override;

    HelpWindow* helpWindow() const { return help_; }

  private:
    QPointer<QWidget> owner_;
    QPointer<HelpWindow> help_;
};

} // namespace shell
