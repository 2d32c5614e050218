// The platform seam: the few services the game asks of the desktop, answered by the Qt
// shell with real dialogs and by the headless driver from its script.
#pragma once

#include <optional>
#include <string>

namespace window {

class Platform {
  public:
    virtual ~Platform() = default;
    // A message box with one text and "OK"; returns when the player has closed it.
    virtual void messageBox(const std::string& text) = 0;
    // A question with "Yes" and "No"; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
    // A text input box; nothing when the player cancels.
    virtual std::optional<std::string>
    askText(const std::string& caption, const std::string& prompt, const std::string& initial) = 0;
    // Open the help viewer on the contents page of the help file.
    virtual void showHelp(const std::string& helpFile) = 0;
};

// A platform with nobody in front of it: boxes are acknowledged, questions answered Yes,
// text inputs cancelled, help ignored. The default of a Game until a shell sets its own.
class UnattendedPlatform final : public Platform {
  public:
    void messageBox(const std::string&) override {}
    bool askYesNo(const std::string&) override { return true; }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
    void showHelp(const std::string&) override {}
};

} // namespace window
