// Picture files read once: the full-window and panel pictures that scenes, new games, loads
// and undos show again and again are decoded the first time they are asked for and copied
// from memory after that.
#pragma once

#include "picture/bmp.h"

#include <functional>
#include <map>
#include <string>

namespace render {

class PictureFiles {
  public:
    // The picture of the BMP file at `path`, as readBmp gives it. A picture read well is kept
    // (a game folder's pictures do not change while the game runs); a failure is not, so the
    // file is tried again the next time.
    PictureResult read(const std::string& path) const;

    // How many pictures are kept.
    std::size_t size() const { return kept_.size(); }

  private:
    mutable std::map<std::string, Picture, std::less<>> kept_;
};

} // namespace render
