#include "dialogue_fit.h"

#include "state/game.h"
#include "window/names.h"

#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

namespace shell {
namespace {

namespace names = window::names;
using window::Control;

// The box in its large form, where the game shows every talk.
constexpr QRect kLargeBox(129, 45, 382, 200);
constexpr int kMargin = 16;   // from an answer button to the box's edge
constexpr int kTextGap = 4;   // between the last line and the answer row
constexpr int kFaceRoom = 48; // the face's well and the frame below it

constexpr std::array<std::string_view, 3> kAnswers = {names::Button1, names::Button2,
                                                      names::Button7};

QRect modelPlace(const Control& c, int zoom) {
    return {c.x * zoom, c.y * zoom, c.width * zoom, c.height * zoom};
}

void place(QWidget* w, const QRect& where) {
    if (w && w->geometry() != where)
        w->setGeometry(where);
}

// The height of a text laid out at a width in a font, in screen pixels; remembered, since the
// box's text stays for many events.
int textHeight(const QString& text, const QFont& font, int width, qreal margin) {
    static std::map<std::tuple<QString, QString, int, qreal>, int> known;
    const auto key = std::make_tuple(text, font.key(), width, margin);
    if (const auto it = known.find(key); it != known.end())
        return it->second;
    if (known.size() > 64)
        known.clear();
    QTextDocument document;
    document.setDefaultFont(font);
    document.setDocumentMargin(margin);
    document.setPlainText(text);
    document.setTextWidth(width);
    const int height = static_cast<int>(std::ceil(document.size().height()));
    known.emplace(key, height);
    return height;
}

// The box's height in game pixels for a text at a zoom and font: the text's lines in the box's
// frame, at least `least` (room for a face), plus `below` under the text (an answer row).
int dialogueBoxHeight(const QWidget& box, const QString& text, int zoom, int least, int below) {
    const auto* edit = qobject_cast<const QTextEdit*>(&box);
    if (!edit)
        return kLargeBox.height();
    // The frame and padding around the text, as the box's style lays them out.
    const QRect view = edit->viewport()->geometry();
    const QScrollBar* bar = edit->verticalScrollBar();
    const int right = edit->width() - view.right() - 1 - (bar->isVisible() ? bar->width() : 0);
    const int width = kLargeBox.width() * zoom - view.left() - right;
    const int lines = textHeight(text.isEmpty() ? QStringLiteral(" ") : text, edit->font(), width,
                                 edit->document()->documentMargin());
    const int screen = view.top() + lines + (edit->height() - view.bottom() - 1) + below * zoom;
    const int game = (screen + zoom - 1) / zoom;
    return std::clamp(std::max(game, least), 0, kLargeBox.height());
}

} // namespace

void fitDialogueBox(const game::Game& game, ControlMirror& mirror, int zoom, bool withFace) {
    const window::Window& w = game.window.main;
    const Control& box = w.control(names::RichEdit1);
    const Control* list = w.find(names::Panel1);
    QWidget* boxWidget = mirror.widget(std::string(names::RichEdit1));
    const bool large = box.visible && !(list && list->visible) &&
                       QRect(box.x, box.y, box.width, box.height) == kLargeBox;
    if (!large || !boxWidget) {
        place(boxWidget, modelPlace(box, zoom));
        for (const std::string_view name : kAnswers)
            place(mirror.widget(std::string(name)), modelPlace(w.control(name), zoom));
        return;
    }
    // What must fit under the text: the answer row, or the altar's choices below its question.
    int below = 0;
    int least = withFace ? kFaceRoom : 0;
    for (const std::string_view name : kAnswers)
        if (const Control& b = w.control(name); b.visible)
            below = std::max(below, kTextGap + b.height + kMargin);
    for (const std::string_view name : names::kChoiceButtons)
        if (const Control& b = w.control(name); b.visible)
            least = std::max(least, b.y + b.height + kMargin - box.y);
    const int height =
        dialogueBoxHeight(*boxWidget, QString::fromStdString(box.text), zoom, least, below);
    place(boxWidget, QRect(box.x * zoom, box.y * zoom, box.width * zoom, height * zoom));
    // Each answer keeps its distance from the box's lower edge.
    const int raised = box.height - height;
    for (const std::string_view name : kAnswers) {
        const Control& b = w.control(name);
        const int top = b.y >= box.y && b.y < box.y + box.height
                            ? b.y - raised
                            : box.y + height - b.height - kMargin;
        place(mirror.widget(std::string(name)),
              QRect(b.x * zoom, top * zoom, b.width * zoom, b.height * zoom));
    }
}

} // namespace shell
