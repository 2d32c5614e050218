// The speaker's face beside the dialogue box's text: the merchant, the old man, the fairy, the
// thief, the altar, Zeno, his sergeants, the story's other speakers and the hero himself, drawn
// as the map draws them (the same pixels, at the same scale) on the box's blue, in a small well
// at the box's upper left.
#pragma once

#include "control_mirror.h"
#include "picture/picture.h"

#include <QWidget>
#include <map>
#include <string>

namespace game {
struct Game;
}

namespace shell {

// Who speaks in the dialogue box now, as a 32 x 32 picture on the box's colour: in a scene of
// the story the one who says its line; otherwise the character the hero steps towards, or else
// one standing beside him. Empty when the box is closed, shows the Orb of Hero's list or an
// advice record, or when the tale itself speaks.
render::Picture speakerFace(const game::Game& game);

// The face's widget over the main window's screen; it takes no clicks.
class DialogueFace : public QWidget {
  public:
    explicit DialogueFace(QWidget* parent);
    // Show the face of the speaker beside the box (or hide it), and leave room for it in the
    // box's text (added to `accents`).
    void sync(const game::Game& game, int zoom,
              std::map<std::string, ControlMirror::Accent>& accents);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    render::Picture face_;
    int zoom_ = 1;
};

} // namespace shell
