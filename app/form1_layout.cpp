#include "form1_layout.h"

#include <string>

#include "colour_code.h"
#include "layout.h"
#include "result.h"

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
using forms::withFont;
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

// Rows of the palette frame in the digit palette: swatches in front, then names, then values.
void addPaletteRows(std::vector<forms::LayoutEntry>& layout) {
    std::vector<forms::LayoutEntry> names;
    std::vector<forms::LayoutEntry> values;
    for (std::size_t row = 0; row < ColourCode::paletteSize; ++row) {
        const auto entry = ColourCode::paletteEntry(PaletteMode::Digit, row);
        const auto& colour = ColourCode::info(entry->colour);
        const int top = paletteRowTop + paletteRowPitch * static_cast<int>(row);
        const int valueWidth = row == 1 ? 255 : row == 3 ? 180 : 135;
        const auto number = std::to_string(row);
        layout.push_back({forms::swatch("b" + number, colour.swatch, {480, top, 255, paletteRowHeight}), "Paleta"});
        names.push_back({label("Label" + std::to_string(row + 1), colour.name, {840, top, 735, paletteRowHeight}), "Paleta"});
        values.push_back(
            {label("Label" + std::to_string(row + 11), entry->valueText, {240, top, valueWidth, paletteRowHeight}), "Paleta"});
    }
    // Rows overlap by a pixel; each lower row lies in front, so that the row above never covers
    // the accents on a name's capital.
    layout.insert(layout.end(), names.rbegin(), names.rend());
    layout.insert(layout.end(), values.rbegin(), values.rend());
}

}  // namespace

forms::FormLooks form1Looks() { return {"Form1", "  Virtuální Pruhomat", 6375, 3315, forms::FormBorder::FixedSingle}; }

std::vector<forms::LayoutEntry> form1Layout(std::string_view decimalSeparator) {
    const std::string loadedValue = computeResult(ResistorState{}, BandCount::Five, decimalSeparator).valueCaption;
    std::vector<forms::LayoutEntry> layout{
        {commandButton("Info_pr", "Info", {2160, 2760, 1215, 375}), ""},
        {commandButton("Exit_pr", "Konec", {4800, 2760, 1215, 375}), ""},
        {frame("Paleta", "Paleta", {120, 120, 1695, 3015}), ""},
        {frame("Resistor", "Resistor:", {1920, 120, 4335, 2415}), ""},

        {checkBox("automat", "automatický posun", {120, 240, 1815, 195}, false), "Resistor"},
        {picture("p4silver", BandWhite, band4, Start::Hidden), "Resistor"},
        {picture("p4gold", BandGold, band4, Start::Hidden), "Resistor"},
        {picture("p44", BandYellow, band4, Start::Hidden), "Resistor"},
        {picture("p43", BandOrange, band4, Start::Hidden), "Resistor"},
        {picture("p42", BandRed, band4, Start::Hidden), "Resistor"},
        {picture("p41", BandBrown, band4, Start::Hidden), "Resistor"},
        {picture("p40", BandBlack, band4, Start::Hidden), "Resistor"},
        {picture("p3silver", BandWhite, band3, Start::Hidden), "Resistor"},
        {picture("p3gold", BandGold, band3, Start::Hidden), "Resistor"},
        {picture("p38", BandGrey, band3, Start::Hidden), "Resistor"},
        {picture("p37", BandViolet, band3, Start::Hidden), "Resistor"},
        {picture("p36", BandBlue, band3, Start::Hidden), "Resistor"},
        {picture("p35", BandGreen, band3, Start::Hidden), "Resistor"},
        {picture("p34", BandYellow, band3, Start::Hidden), "Resistor"},
        {picture("p33", BandOrange, band3, Start::Hidden), "Resistor"},
        {picture("p32", BandRed, band3, Start::Hidden), "Resistor"},
        {picture("p31", BandBrown, band3, Start::Hidden), "Resistor"},
        {picture("p30", BandBlack, band3, Start::Hidden), "Resistor"},
        {picture("p28", BandGrey, band2, Start::Hidden), "Resistor"},
        {picture("p27", BandViolet, band2, Start::Hidden), "Resistor"},
        {picture("p26", BandBlue, band2, Start::Hidden), "Resistor"},
        {picture("p25", BandGreen, band2, Start::Hidden), "Resistor"},
        {picture("p24", BandYellow, band2, Start::Hidden), "Resistor"},
        {picture("p23", BandOrange, band2, Start::Hidden), "Resistor"},
        {picture("p22", BandRed, band2, Start::Hidden), "Resistor"},
        {picture("p21", BandBrown, band2, Start::Hidden), "Resistor"},
        {picture("p20", BandBlack, band2, Start::Hidden), "Resistor"},
        {picture("p19", BandWhite, band1), "Resistor"},
        {picture("p18", BandGrey, band1, Start::Hidden), "Resistor"},
        {picture("p17", BandViolet, band1, Start::Hidden), "Resistor"},
        {picture("p16", BandBlue, band1, Start::Hidden), "Resistor"},
        {picture("p15", BandGreen, band1, Start::Hidden), "Resistor"},
        {picture("p14", BandYellow, withWidth(band1, 255), Start::Hidden), "Resistor"},
        {picture("p13", BandOrange, band1, Start::Hidden), "Resistor"},
        {picture("p12", BandRed, band1, Start::Hidden), "Resistor"},
        {picture("p11", BandBrown, band1, Start::Hidden), "Resistor"},
        {picture("p10", BandBlack, band1, Start::Hidden), "Resistor"},
        {picture("kohm", UnitKiloOhm, {2520, 1880, 560, 360}, Start::Hidden), "Resistor"},
        {picture("mohm", UnitMegaOhm, {2520, 1880, 570, 375}, Start::Hidden), "Resistor"},
        {picture("ohm", UnitOhm, {2520, 1880, 495, 375}), "Resistor"},
        {commandButton("prog", "Výsledek >>", {240, 1920, 1215, 375}), "Resistor"},
        {picture("sipka5", Arrow, {2210, 1440, 360, 375}, Start::Hidden), "Resistor"},
        {picture("sipka4", Arrow, {1920, 1440, 360, 375}, Start::Hidden), "Resistor"},
        {picture("sipka3", Arrow, {1680, 1440, 360, 375}, Start::Hidden), "Resistor"},
        {picture("sipka2", Arrow, {1440, 1440, 360, 375}, Start::Hidden), "Resistor"},
        {picture("sipka1", Arrow, {1200, 1440, 360, 375}, Start::Hidden), "Resistor"},
        {picture("pp10", Tolerance10, band5), "Resistor"},
        {picture("pp5", Tolerance5, band5), "Resistor"},
        {picture("pp2", Tolerance2, band5), "Resistor"},
        {picture("pp1", Tolerance1, band5), "Resistor"},
        {picture("p4none", PlainStrip, band4Plain, Start::Hidden), "Resistor"},
        {optionButton("band5", "5", {3600, 480, 615, 375}, true), "Resistor"},
        {optionButton("band4", "4", {3600, 1080, 495, 375}, false), "Resistor"},
        {picture("ResistorP", RightEnd, {2520, bandTop, 810, bandHeight}), "Resistor"},
        {picture("ppp", Tolerance10, band5), "Resistor"},
        {picture("p4p", BandWhite, band4Plain), "Resistor"},
        {picture("p39", BandWhite, withHeight(band3, shortBandHeight)), "Resistor"},
        {picture("p29", BandWhite, withHeight(band2, shortBandHeight)), "Resistor"},
        {picture("ResistorL", LeftEnd, {360, bandTop, 862, bandHeight}), "Resistor"},
        {withFont(label("presn", "10", {3240, 1920, 375, 375}, Alignment::Right), resultFont), "Resistor"},
        {withFont(label("vysl", loadedValue, {1680, 1920, 810, 375}, Alignment::Right), resultFont), "Resistor"},
        {withFont(label("Label21", "%", {3720, 1920, 375, 360}), resultFont), "Resistor"},
    };
    addPaletteRows(layout);
    return layout;
}

}  // namespace pruhomat
