#include "pixel_scale.h"

#include <algorithm>

namespace pruhomat::forms {

Rect PixelScale::box(const Rect& twips, int pictureWidth, int pictureHeight) const {
    Rect box{pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
    if (pictureWidth > 0) {
        box.width = std::min(box.width, pictureWidth);
        box.height = std::min(box.height, pictureHeight);
    }
    return box;
}

}  // namespace pruhomat::forms
