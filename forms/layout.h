#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "control.h"

namespace pruhomat::forms {

// Short constructors for the rows of a layout table.

enum class Start : std::uint8_t { Shown, Hidden };

Control frame(std::string name, std::string_view caption, Rect rect);
Control label(std::string name, std::string_view caption, Rect rect, Alignment alignment = Alignment::Left);
Control swatch(std::string name, Rgb colour, Rect rect);
Control picture(std::string name, ImageId image, Rect rect, Start start = Start::Shown);
Control commandButton(std::string name, std::string_view caption, Rect rect);
Control optionButton(std::string name, std::string_view caption, Rect rect, bool selected);
Control checkBox(std::string name, std::string_view caption, Rect rect, bool checked);
Control textBox(std::string name, Rect rect);
Control comboBox(std::string name, std::vector<std::string> items, Rect rect);

Control withFont(Control control, Font font);

}  // namespace pruhomat::forms
