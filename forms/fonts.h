#pragma once

#include <cstdint>
#include <string_view>

#include "control.h"
#include "pixel_scale.h"

namespace pruhomat::forms {

// The faces a control's text may be drawn in: the one its layout names, the system's dialog
// face, and the spare face for the letters the dialog face lacks.
enum class Face : std::uint8_t { Named, Dialog, Spare };

struct FontChoice {
    Face face = Face::Dialog;
    std::string_view name;  // for Face::Named
    int pixels = 0;         // the height of the text
    bool bold = false;
    int charset = 0;
};

// What a front-end's toolkit can tell of its faces.
class FaceProbe {
public:
    // Whether the face is on the system and draws every letter of the text.
    virtual bool draws(Face face, std::string_view name, std::string_view text) const = 0;

protected:
    ~FaceProbe() = default;
};

inline constexpr double dialogFontPoints = 8;

// The font for one control's own text: the layout's face where the system has it and it draws
// the text, else the dialog face, else the spare one; so that a letter one text needs changes
// no other control. Its size is the points at 96 dots per inch scaled as the rectangles are,
// so that at a whole scale the text is that many times as large.
FontChoice chooseFont(const Font& font, std::string_view text, const PixelScale& scale, const FaceProbe& probe);

}  // namespace pruhomat::forms
