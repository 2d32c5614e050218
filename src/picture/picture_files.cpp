#include "picture/picture_files.h"

namespace render {

PictureResult PictureFiles::read(const std::string& path) const {
    if (const auto kept = kept_.find(path); kept != kept_.end())
        return {kept->second, std::nullopt};
    PictureResult result = readBmp(path);
    if (result.ok())
        kept_.emplace(path, result.picture);
    return result;
}

} // namespace render
