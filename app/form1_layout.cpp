#include "form1_layout.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "colour_code.h"
#include "layout.h"

namespace pruhomat {
namespace {

using forms::Alignment;
using forms::checkBox;
using forms::commandButton;
using forms::frame;
using forms::label;
using forms::optionButton;
using forms::picture;
using forms::Rect;
using forms::Start;
using enum ImageId;

constexpr forms::Font resultFont{"MS Sans Serif", 13.5, false, 238};

constexpr int bandTop = 360;
constexpr int bandHeight = 1095;
constexpr int shortBandHeight = 975;
constexpr int bandWidth = 260;

constexpr Rect band1{1200, bandTop, bandWidth, bandHeight};
constexpr Rect band2{1440, bandTop, bandWidth, bandHeight};
constexpr Rect band3{1680, bandTop, bandWidth, bandHeight};
constexpr Rect band4{1920, bandTop, bandWidth, bandHeight};
constexpr Rect band4Plain{1920, bandTop, 292, bandHeight};
constexpr Rect band5{2160, bandTop, 365, bandHeight};

constexpr Rect withHeight(Rect rect, int height) { return {rect.left, rect.top, rect.width, height}; }
constexpr Rect withWidth(Rect rect, int width) { return {rect.left, rect.top, width, rect.height}; }

constexpr int paletteRowTop = 360;
constexpr int paletteRowPitch = 240;
constexpr int paletteRowHeight = 255;

// The names of a palette row's controls and what its value label shows in the digit palette.
struct PaletteRowNames {
    std::string_view swatch;
    std::string_view name;
    std::string_view value;
    std::string_view digit;
    int valueWidth;
};

constexpr std::array<PaletteRowNames, ColourCode::paletteSize> paletteRowNames{{
    {"b0", "Label1", "Label11", "0", 135},
    {"b1", "Label2", "Label12", "1", 255},
    {"b2", "Label3", "Label13", "2", 135},
    {"b3", "Label4", "Label14", "3", 180},
    {"b4", "Label5", "Label15", "4", 135},
    {"b5", "Label6", "Label16", "5", 135},
    {"b6", "Label7", "Label17", "6", 135},
    {"b7", "Label8", "Label18", "7", 135},
    {"b8", "Label9", "Label19", "8", 135},
    {"b9", "Label10", "Label20", "9", 135},
}};

// The window's own controls, front first within each container; the palette rows follow them.
constexpr auto fixedControls = std::to_array<forms::LayoutRow>({
    commandButton("Info_pr", "Info", {2160, 2760, 1215, 375}),
    commandButton("Exit_pr", "Konec", {4800, 2760, 1215, 375}),
    frame("Paleta", "Paleta", {120, 120, 1695, 3015}),
    frame("Resistor", "Resistor:", {1920, 120, 4335, 2415}),

    checkBox("automat", "automatický posun", {120, 240, 1815, 195}, false).in("Resistor"),
    picture("p4silver", BandWhite, band4, Start::Hidden).in("Resistor"),
    picture("p4gold", BandGold, band4, Start::Hidden).in("Resistor"),
    picture("p44", BandYellow, band4, Start::Hidden).in("Resistor"),
    picture("p43", BandOrange, band4, Start::Hidden).in("Resistor"),
    picture("p42", BandRed, band4, Start::Hidden).in("Resistor"),
    picture("p41", BandBrown, band4, Start::Hidden).in("Resistor"),
    picture("p40", BandBlack, band4, Start::Hidden).in("Resistor"),
    picture("p3silver", BandWhite, band3, Start::Hidden).in("Resistor"),
    picture("p3gold", BandGold, band3, Start::Hidden).in("Resistor"),
    picture("p38", BandGrey, band3, Start::Hidden).in("Resistor"),
    picture("p37", BandViolet, band3, Start::Hidden).in("Resistor"),
    picture("p36", BandBlue, band3, Start::Hidden).in("Resistor"),
    picture("p35", BandGreen, band3, Start::Hidden).in("Resistor"),
    picture("p34", BandYellow, band3, Start::Hidden).in("Resistor"),
    picture("p33", BandOrange, band3, Start::Hidden).in("Resistor"),
    picture("p32", BandRed, band3, Start::Hidden).in("Resistor"),
    picture("p31", BandBrown, band3, Start::Hidden).in("Resistor"),
    picture("p30", BandBlack, band3, Start::Hidden).in("Resistor"),
    picture("p28", BandGrey, band2, Start::Hidden).in("Resistor"),
    picture("p27", BandViolet, band2, Start::Hidden).in("Resistor"),
    picture("p26", BandBlue, band2, Start::Hidden).in("Resistor"),
    picture("p25", BandGreen, band2, Start::Hidden).in("Resistor"),
    picture("p24", BandYellow, band2, Start::Hidden).in("Resistor"),
    picture("p23", BandOrange, band2, Start::Hidden).in("Resistor"),
    picture("p22", BandRed, band2, Start::Hidden).in("Resistor"),
    picture("p21", BandBrown, band2, Start::Hidden).in("Resistor"),
    picture("p20", BandBlack, band2, Start::Hidden).in("Resistor"),
    picture("p19", BandWhite, band1).in("Resistor"),
    picture("p18", BandGrey, band1, Start::Hidden).in("Resistor"),
    picture("p17", BandViolet, band1, Start::Hidden).in("Resistor"),
    picture("p16", BandBlue, band1, Start::Hidden).in("Resistor"),
    picture("p15", BandGreen, band1, Start::Hidden).in("Resistor"),
    picture("p14", BandYellow, withWidth(band1, 255), Start::Hidden).in("Resistor"),
    picture("p13", BandOrange, band1, Start::Hidden).in("Resistor"),
    picture("p12", BandRed, band1, Start::Hidden).in("Resistor"),
    picture("p11", BandBrown, band1, Start::Hidden).in("Resistor"),
    picture("p10", BandBlack, band1, Start::Hidden).in("Resistor"),
    picture("kohm", UnitKiloOhm, {2520, 1880, 560, 360}, Start::Hidden).heardWithAnother().in("Resistor"),
    picture("mohm", UnitMegaOhm, {2520, 1880, 570, 375}, Start::Hidden).heardWithAnother().in("Resistor"),
    picture("ohm", UnitOhm, {2520, 1880, 495, 375}).heardWithAnother().in("Resistor"),
    commandButton("prog", "Výsledek >>", {240, 1920, 1215, 375}).in("Resistor"),
    picture("sipka5", Arrow, {2210, 1440, 360, 375}, Start::Hidden).in("Resistor"),
    picture("sipka4", Arrow, {1920, 1440, 360, 375}, Start::Hidden).in("Resistor"),
    picture("sipka3", Arrow, {1680, 1440, 360, 375}, Start::Hidden).in("Resistor"),
    picture("sipka2", Arrow, {1440, 1440, 360, 375}, Start::Hidden).in("Resistor"),
    picture("sipka1", Arrow, {1200, 1440, 360, 375}, Start::Hidden).in("Resistor"),
    picture("pp10", Tolerance10, band5).in("Resistor"),
    picture("pp5", Tolerance5, band5).in("Resistor"),
    picture("pp2", Tolerance2, band5).in("Resistor"),
    picture("pp1", Tolerance1, band5).in("Resistor"),
    picture("p4none", PlainStrip, band4Plain, Start::Hidden).in("Resistor"),
    optionButton("band5", "5", {3600, 480, 615, 375}, true).heardAs("5 pásků").in("Resistor"),
    optionButton("band4", "4", {3600, 1080, 495, 375}, false).heardAs("4 pásky").in("Resistor"),
    picture("ResistorP", RightEnd, {2520, bandTop, 810, bandHeight}).in("Resistor"),
    picture("ppp", Tolerance10, band5).in("Resistor"),
    picture("p4p", BandWhite, band4Plain).in("Resistor"),
    picture("p39", BandWhite, withHeight(band3, shortBandHeight)).in("Resistor"),
    picture("p29", BandWhite, withHeight(band2, shortBandHeight)).in("Resistor"),
    picture("ResistorL", LeftEnd, {360, bandTop, 862, bandHeight}).in("Resistor"),
    label("presn", "10", {3240, 1920, 375, 375}, Alignment::Right)
        .withFont(resultFont)
        .heardWithAnother()
        .in("Resistor"),
    label("vysl", "", {1680, 1920, 810, 375}, Alignment::Right).withFont(resultFont).in("Resistor"),
    label("Label21", "%", {3720, 1920, 375, 360}).withFont(resultFont).heardWithAnother().in("Resistor"),
});

}  // namespace

forms::FormLooks form1Looks() { return {"Form1", "  Virtuální Pruhomat", 6375, 3315, forms::FormBorder::FixedSingle}; }

// Swatches in front, then names, then values. Rows overlap by a pixel; each lower row lies in
// front, so that the row above never covers the accents on a name's capital. A reader hears a
// row's name and value with its swatch.
std::vector<forms::LayoutRow> form1Layout() {
    std::vector<forms::LayoutRow> swatches;
    std::vector<forms::LayoutRow> names;
    std::vector<forms::LayoutRow> values;
    for (std::size_t row = ColourCode::paletteSize; row-- > 0;) {
        const PaletteRowNames& controls = paletteRowNames[row];
        const auto& colour = ColourCode::info(ColourCode::paletteEntry(PaletteMode::Digit, row)->colour);
        const int top = paletteRowTop + paletteRowPitch * static_cast<int>(row);
        swatches.push_back(forms::swatch(controls.swatch, colour.swatch, {480, top, 255, paletteRowHeight}));
        names.push_back(label(controls.name, colour.name, {840, top, 735, paletteRowHeight}).heardWithAnother());
        values.push_back(
            label(controls.value, controls.digit, {240, top, controls.valueWidth, paletteRowHeight}).heardWithAnother());
    }
    std::ranges::reverse(swatches);
    std::vector<forms::LayoutRow> layout(fixedControls.begin(), fixedControls.end());
    for (const auto* rows : {&swatches, &names, &values}) {
        for (const forms::LayoutRow& row : *rows) {
            layout.push_back(row.in("Paleta"));
        }
    }
    return layout;
}

}  // namespace pruhomat
