// The platform of the headless driver: message boxes, questions and text inputs are
// answered from the script's queue and reported on standard output.
#pragma once

#include "platform/platform.h"

#include <deque>
#include <ostream>
#include <string>

namespace replay {

struct Answer {
    enum class Kind { Ok, Cancel, Yes, No, Text } kind = Kind::Ok;
    std::string text;
};

class ScriptPlatform final : public window::Platform {
  public:
    ScriptPlatform(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    void queue(Answer a) { answers_.push_back(std::move(a)); }

    void messageBox(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override;
    void showHelp(const std::string& helpFile) override;

  private:
    // The next queued answer, or nothing (the caller then takes the default and says so).
    std::optional<Answer> take(const char* what, const std::string& text);

    std::ostream& out_;
    std::ostream& err_;
    std::deque<Answer> answers_;
};

// A text as one printed line: line breaks become "\n".
std::string oneLine(const std::string& text);

} // namespace replay
