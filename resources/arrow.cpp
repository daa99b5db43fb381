#include "drawing.h"
#include "pictures.h"

namespace pruhomat::drawing {
namespace {

constexpr int arrowWidth = arrowSize.width;
constexpr int arrowHeight = arrowSize.height;
constexpr int tipColumn = 11;
constexpr int headTop = 4;
constexpr int headBottom = 13;
constexpr int shaftHalfWidth = 3;
constexpr int shaftBottom = 23;

}  // namespace

Image arrow() {
    Image picture = filledImage(arrowWidth, arrowHeight, imageBackground);
    // The head widens by one column on either side per row.
    for (int y = headTop; y <= headBottom; ++y) {
        const int halfWidth = y - headTop;
        fillRectangle(picture, tipColumn - halfWidth, y, tipColumn + halfWidth, y, black);
    }
    fillRectangle(picture, tipColumn - shaftHalfWidth, headBottom + 1, tipColumn + shaftHalfWidth, shaftBottom, black);
    return picture;
}

}  // namespace pruhomat::drawing
