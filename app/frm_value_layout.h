#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "form.h"
#include "layout.h"

namespace pruhomat {

inline constexpr std::size_t valuePreviewLines = 10;

// The value dialog as a window: its looks, its controls front first, the order Tab visits them
// and the names of the preview's lines, top first.
forms::FormLooks frmValueLooks(forms::ScreenShape shape = forms::ScreenShape::Wide);
std::vector<forms::LayoutRow> frmValueLayout(forms::ScreenShape shape = forms::ScreenShape::Wide);
std::span<const std::string_view> frmValueTabOrder();
extern const std::array<std::string_view, valuePreviewLines> previewLineNames;

}  // namespace pruhomat
