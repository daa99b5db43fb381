#include <array>
#include <cstddef>

#include "drawing.h"
#include "pictures.h"

namespace pruhomat::drawing {
namespace {

constexpr int leftEndWidth = leftEndSize.width;
constexpr int rightEndWidth = rightEndSize.width;

// The right end is the left end mirrored about this column; its last column stays grey.
constexpr int mirrorColumn = rightEndWidth - 2;

constexpr int capTop = 14;
constexpr int capBottom = 65;

// The cap is an oval. Its left edge column in rows 14-39; rows 40-65 mirror them.
constexpr std::array<int, (capBottom - capTop + 1) / 2> capLeftEdge{
    47, 46, 46, 45, 45, 45, 44, 44, 44, 43, 43, 43, 43, 43, 43, 43, 42, 42, 42, 42, 42, 42, 42, 42, 42, 42,
};
// Where the oval stands out above the body (rows 14-18) it closes on the right as well; the rows
// below the body mirror the top ones.
constexpr std::array<int, bodyTopOutline - capTop> capRightEdge{49, 50, 50, 51, 51};

constexpr int leadTop = 39;
constexpr int leadBottom = 41;
constexpr int leadLeft = 5;
constexpr int leadRight = 41;

bool isBodyRow(int y) { return y >= bodyTopOutline && y <= bodyBottomOutline; }

// Columns past the right edge count as inside: the body goes on into the next picture.
bool insideLeftEnd(int x, int y) {
    if (y < capTop || y > capBottom) {
        return false;
    }
    const std::size_t capRow = static_cast<std::size_t>(y <= (capTop + capBottom) / 2 ? y - capTop : capBottom - y);
    if (x < capLeftEdge.at(capRow)) {
        return false;
    }
    return isBodyRow(y) || x <= capRightEdge.at(capRow);
}

bool onOutline(int x, int y) {
    return !insideLeftEnd(x - 1, y) || !insideLeftEnd(x + 1, y) || !insideLeftEnd(x, y - 1) ||
           !insideLeftEnd(x, y + 1);
}

// The lead's right end is open: it runs into the cap's outline.
void drawLead(Image& picture) {
    fillRectangle(picture, leadLeft, leadTop, leadRight, leadBottom, black);
    fillRectangle(picture, leadLeft + 1, leadTop + 1, leadRight, leadBottom - 1, white);
}

}  // namespace

Image leftEnd() {
    Image picture = filledImage(leftEndWidth, resistorHeight, imageBackground);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (insideLeftEnd(x, y)) {
                setPixel(picture, x, y, onOutline(x, y) ? black : bodyColour);
            }
        }
    }
    drawLead(picture);
    return picture;
}

Image rightEnd() {
    const Image left = leftEnd();
    Image picture = filledImage(rightEndWidth, resistorHeight, imageBackground);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x <= mirrorColumn; ++x) {
            setPixel(picture, x, y, left.at(mirrorColumn - x, y));
        }
    }
    return picture;
}

}  // namespace pruhomat::drawing
