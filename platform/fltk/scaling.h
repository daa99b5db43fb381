#pragma once

#include "pixel_scale.h"

namespace pruhomat::fltk {

// The scale of the X server's Xft.dpi setting, which desktops set for their scaling factor;
// 96 dots per inch where there is none. The display must be open.
forms::PixelScale scaleOfDisplay();

}  // namespace pruhomat::fltk
