#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "control.h"
#include "fonts.h"
#include "pixel_scale.h"

namespace pruhomat::win32 {

// The fonts of a window's controls, each the core's choice for the control's own text, made
// once per face, size and weight. The dialog face is "MS Shell Dlg 2" (Tahoma), the spare face
// MS Sans Serif, which draws every letter the program shows where Wine's Tahoma has no Ω.
class Fonts final : public forms::FaceProbe {
public:
    Fonts() = default;
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    ~Fonts() { release(); }

    HFONT fontFor(const forms::Control& control, const forms::PixelScale& scale);
    // For a new density.
    void release();

    bool draws(forms::Face face, std::string_view name, std::string_view text) const override;

private:
    HFONT fontOf(const forms::FontChoice& choice);

    std::map<std::tuple<forms::Face, std::string, int, bool, int>, HFONT> fonts_;
};

}  // namespace pruhomat::win32
