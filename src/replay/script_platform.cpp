#include "replay/script_platform.h"

namespace replay {

std::string oneLine(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += (text[i] == '\n' || text[i] == '\r') ? std::string("\\n") : std::string(1, text[i]);
    }
    return out;
}

std::optional<Answer> ScriptPlatform::take(const char* what, const std::string& text) {
    if (answers_.empty()) {
        err_ << "unanswered " << what << " \"" << oneLine(text) << "\": taking the default\n";
        return std::nullopt;
    }
    Answer a = std::move(answers_.front());
    answers_.pop_front();
    return a;
}

void ScriptPlatform::messageBox(const std::string& text) {
    out_ << "box=" << oneLine(text) << '\n';
    take("message box", text);
}

bool ScriptPlatform::askYesNo(const std::string& text) {
    const auto a = take("question", text);
    const bool yes = !a || a->kind == Answer::Kind::Yes || a->kind == Answer::Kind::Ok;
    out_ << "question=" << oneLine(text) << " answer=" << (yes ? "yes" : "no") << '\n';
    return yes;
}

std::optional<std::string> ScriptPlatform::askText(const std::string& caption,
                                                   const std::string& prompt,
                                                   const std::string& initial) {
    const auto a = take("text input", prompt);
    std::optional<std::string> result;
    if (!a) {
        result = std::string();
    } else if (a->kind == Answer::Kind::Text) {
        result = a->text;
    } else if (a->kind == Answer::Kind::Ok || a->kind == Answer::Kind::Yes) {
        result = initial;
    }
    out_ << "input=" << oneLine(caption) << ": " << oneLine(prompt)
         << " answer=" << (result ? oneLine(*result) : std::string("(cancelled)")) << '\n';
    return result;
}

void ScriptPlatform::showHelp(const std::string& helpFile) {
    out_ << "help=" << helpFile << '\n';
}

} // namespace replay
