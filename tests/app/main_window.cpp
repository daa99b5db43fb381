#include "main_window.h"

#include <cstdio>

namespace pruhomat::testing {
namespace {

std::string hexColour(const forms::Paint& paint) {
    const auto* rgb = std::get_if<Rgb>(&paint);
    if (rgb == nullptr) {
        return "system";
    }
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", rgb->red, rgb->green, rgb->blue);
    return text;
}

}  // namespace

std::vector<std::string> MainWindow::visibleOf(std::initializer_list<std::string_view> names) {
    std::vector<std::string> visible;
    for (const auto name : names) {
        if (shown(name)) {
            visible.emplace_back(name);
        }
    }
    return visible;
}

std::vector<std::string> MainWindow::visibleArrows() {
    return visibleOf({"sipka1", "sipka2", "sipka3", "sipka4", "sipka5"});
}

std::vector<std::string> MainWindow::visibleUnits() { return visibleOf({"ohm", "kohm", "mohm"}); }

std::vector<std::string> MainWindow::palette() {
    std::vector<std::string> rows;
    for (int row = 0; row < 10; ++row) {
        const auto& swatch = form().control("b" + std::to_string(row));
        const auto& name = form().control("Label" + std::to_string(row + 1));
        const auto& value = form().control("Label" + std::to_string(row + 11));
        EXPECT_EQ(swatch.visible(), name.visible()) << "row " << row;
        EXPECT_EQ(swatch.visible(), value.visible()) << "row " << row;
        if (swatch.visible()) {
            rows.push_back(value.caption() + " " + name.caption() + " " + hexColour(swatch.background()));
        }
    }
    return rows;
}

std::string MainWindow::resultRow() {
    const auto units = visibleUnits();
    const bool anyShown = shown("vysl") || shown("presn") || shown("Label21") || !units.empty();
    if (!anyShown) {
        return "";
    }
    EXPECT_TRUE(shown("vysl") && shown("presn") && shown("Label21") && units.size() == 1) << "a partial result row";
    return caption("vysl") + " " + (units.empty() ? "?" : units.front()) + " " + caption("presn") + " " +
           caption("Label21");
}

std::pair<int, int> MainWindow::centreOf(std::string_view name) {
    const forms::Rect rect = form().rectOnForm(form().indexOf(name));
    return {rect.left + rect.width / 2, rect.top + rect.height / 2};
}

}  // namespace pruhomat::testing
