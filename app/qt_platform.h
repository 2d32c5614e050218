// The desktop services the game asks for, answered with Qt dialogs: message boxes, Yes/No
// questions, text input and the help window.
#pragma once

#include "platform/platform.h"

#include <QPointer>
#include <QTextBrowser>
#include <QWidget>

namespace shell {

// The help window: the game's help file (HTML) at its contents page.
class HelpWindow : public QTextBrowser {
  public:
    explicit HelpWindow(QWidget* parent);
    // Open the file; false when it cannot be read.
    bool openContents(const QString& file);

  protected:
    void keyPressEvent(QKeyEvent* event) override; // Escape closes the window
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
