#pragma once

#include <windows.h>

#include <map>

#include "control.h"

namespace pruhomat::win32 {

// The core's colours as the system's: its system colours by COLOR_* index, and a solid brush
// for each colour a window paints with, kept while the window lives.
class Brushes {
public:
    Brushes() = default;
    Brushes(const Brushes&) = delete;
    Brushes& operator=(const Brushes&) = delete;
    ~Brushes();

    HBRUSH brushFor(const forms::Paint& paint);
    static COLORREF colourRef(const forms::Paint& paint);

private:
    std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace pruhomat::win32
