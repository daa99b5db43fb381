#include "form1_layout.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "colour_code.h"
#include "layout.h"
#include "pixel_scale.h"

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

// Where the groups of the window go; each group's controls keep their places within it.
struct Form1Places {
    int clientWidth;
    int clientHeight;
    Rect info, exit, palette, resistor, automaticAdvance, fiveBands, fourBands, resultButton;
    Rect drawing;  // the left end's corner: the bands, the right end and the arrows follow it
    Rect result;   // the value's corner: the unit, the tolerance and the % follow it
    // The palette's rows, in columns of so many, each row a swatch with its value before it and
    // its name after; labels centred on the swatch's height.
    int rowTop, rowPitch, rowsPerColumn, columnPitch;
    int valueLeft, widestValueLeft, valueWidth;  // a valueWidth of 0: each row's own
    Rect swatch;                                 // of the first row
    int nameLeft, nameWidth;
};

// As the window has always been: the palette beside the drawing.
constexpr Form1Places widePlaces{
    6375, 3315,
    {2160, 2760, 1215, 375}, {4800, 2760, 1215, 375}, {120, 120, 1695, 3015}, {1920, 120, 4335, 2415},
    {120, 240, 1815, 195}, {3600, 480, 615, 375}, {3600, 1080, 495, 375}, {240, 1920, 1215, 375},
    {360, 360, 0, 0}, {1680, 1920, 0, 0},
    360, 240, 10, 0,
    240, 150, 0,
    {480, 360, 255, 255},
    840, 735,
};

// A phone held upright: the palette beneath the drawing in two columns, the check box clear of
// the bands, every swatch, button, check box and option at least 40 pixels square, the window
// 350 pixels wide.
constexpr Form1Places uprightPlaces{
    5250, 7800,
    {60, 7140, 2520, 600}, {2670, 7140, 2520, 600}, {60, 3420, 5130, 3600}, {60, 60, 5130, 3300},
    {120, 1920, 2700, 600}, {3720, 360, 900, 600}, {3720, 1020, 900, 600}, {120, 2580, 1500, 600},
    {360, 360, 0, 0}, {1740, 2700, 0, 0},
    300, 660, 5, 2520,
    120, 120, 420,
    {600, 300, 600, 600},
    1320, 1140,
};

constexpr const Form1Places& placesFor(forms::ScreenShape shape) {
    return shape == forms::ScreenShape::Upright ? uprightPlaces : widePlaces;
}

constexpr int bandHeight = 1095;
constexpr int shortBandHeight = 975;
constexpr int bandWidth = 260;
constexpr int bandPitch = 240;
constexpr int firstBandOffset = 840;  // from the left end
constexpr int arrowOffset = 1080;     // below the bands' top
constexpr int labelHeight = 255;

constexpr Rect offset(const Rect& from, int left, int top, int width, int height) {
    return {from.left + left, from.top + top, width, height};
}

constexpr Rect bandSlot(const Form1Places& at, int band, int width = bandWidth, int height = bandHeight) {
    return offset(at.drawing, firstBandOffset + bandPitch * (band - 1), 0, width, height);
}

constexpr Rect arrow(const Form1Places& at, int band) {
    return offset(at.drawing, band == 5 ? 1850 : firstBandOffset + bandPitch * (band - 1), arrowOffset, 360, 375);
}

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
template <const Form1Places& at>
constexpr auto fixedControls = std::to_array<forms::LayoutRow>({
    commandButton("Info_pr", "Info", at.info),
    commandButton("Exit_pr", "Konec", at.exit),
    frame("Paleta", "Paleta", at.palette),
    frame("Resistor", "Resistor:", at.resistor),

    checkBox("automat", "automatický posun", at.automaticAdvance, false).in("Resistor"),
    picture("p4silver", BandWhite, bandSlot(at, 4), Start::Hidden).in("Resistor"),
    picture("p4gold", BandGold, bandSlot(at, 4), Start::Hidden).in("Resistor"),
    picture("p44", BandYellow, bandSlot(at, 4), Start::Hidden).in("Resistor"),
    picture("p43", BandOrange, bandSlot(at, 4), Start::Hidden).in("Resistor"),
    picture("p42", BandRed, bandSlot(at, 4), Start::Hidden).in("Resistor"),
    picture("p41", BandBrown, bandSlot(at, 4), Start::Hidden).in("Resistor"),
    picture("p40", BandBlack, bandSlot(at, 4), Start::Hidden).in("Resistor"),
    picture("p3silver", BandWhite, bandSlot(at, 3), Start::Hidden).in("Resistor"),
    picture("p3gold", BandGold, bandSlot(at, 3), Start::Hidden).in("Resistor"),
    picture("p38", BandGrey, bandSlot(at, 3), Start::Hidden).in("Resistor"),
    picture("p37", BandViolet, bandSlot(at, 3), Start::Hidden).in("Resistor"),
    picture("p36", BandBlue, bandSlot(at, 3), Start::Hidden).in("Resistor"),
    picture("p35", BandGreen, bandSlot(at, 3), Start::Hidden).in("Resistor"),
    picture("p34", BandYellow, bandSlot(at, 3), Start::Hidden).in("Resistor"),
    picture("p33", BandOrange, bandSlot(at, 3), Start::Hidden).in("Resistor"),
    picture("p32", BandRed, bandSlot(at, 3), Start::Hidden).in("Resistor"),
    picture("p31", BandBrown, bandSlot(at, 3), Start::Hidden).in("Resistor"),
    picture("p30", BandBlack, bandSlot(at, 3), Start::Hidden).in("Resistor"),
    picture("p28", BandGrey, bandSlot(at, 2), Start::Hidden).in("Resistor"),
    picture("p27", BandViolet, bandSlot(at, 2), Start::Hidden).in("Resistor"),
    picture("p26", BandBlue, bandSlot(at, 2), Start::Hidden).in("Resistor"),
    picture("p25", BandGreen, bandSlot(at, 2), Start::Hidden).in("Resistor"),
    picture("p24", BandYellow, bandSlot(at, 2), Start::Hidden).in("Resistor"),
    picture("p23", BandOrange, bandSlot(at, 2), Start::Hidden).in("Resistor"),
    picture("p22", BandRed, bandSlot(at, 2), Start::Hidden).in("Resistor"),
    picture("p21", BandBrown, bandSlot(at, 2), Start::Hidden).in("Resistor"),
    picture("p20", BandBlack, bandSlot(at, 2), Start::Hidden).in("Resistor"),
    picture("p19", BandWhite, bandSlot(at, 1)).in("Resistor"),
    picture("p18", BandGrey, bandSlot(at, 1), Start::Hidden).in("Resistor"),
    picture("p17", BandViolet, bandSlot(at, 1), Start::Hidden).in("Resistor"),
    picture("p16", BandBlue, bandSlot(at, 1), Start::Hidden).in("Resistor"),
    picture("p15", BandGreen, bandSlot(at, 1), Start::Hidden).in("Resistor"),
    picture("p14", BandYellow, bandSlot(at, 1, 255), Start::Hidden).in("Resistor"),
    picture("p13", BandOrange, bandSlot(at, 1), Start::Hidden).in("Resistor"),
    picture("p12", BandRed, bandSlot(at, 1), Start::Hidden).in("Resistor"),
    picture("p11", BandBrown, bandSlot(at, 1), Start::Hidden).in("Resistor"),
    picture("p10", BandBlack, bandSlot(at, 1), Start::Hidden).in("Resistor"),
    picture("kohm", UnitKiloOhm, offset(at.result, 840, -40, 560, 360), Start::Hidden).heardWithAnother().in("Resistor"),
    picture("mohm", UnitMegaOhm, offset(at.result, 840, -40, 570, 375), Start::Hidden).heardWithAnother().in("Resistor"),
    picture("ohm", UnitOhm, offset(at.result, 840, -40, 495, 375)).heardWithAnother().in("Resistor"),
    commandButton("prog", "Výsledek >>", at.resultButton).in("Resistor"),
    picture("sipka5", Arrow, arrow(at, 5), Start::Hidden).in("Resistor"),
    picture("sipka4", Arrow, arrow(at, 4), Start::Hidden).in("Resistor"),
    picture("sipka3", Arrow, arrow(at, 3), Start::Hidden).in("Resistor"),
    picture("sipka2", Arrow, arrow(at, 2), Start::Hidden).in("Resistor"),
    picture("sipka1", Arrow, arrow(at, 1), Start::Hidden).in("Resistor"),
    picture("pp10", Tolerance10, bandSlot(at, 5, 365)).in("Resistor"),
    picture("pp5", Tolerance5, bandSlot(at, 5, 365)).in("Resistor"),
    picture("pp2", Tolerance2, bandSlot(at, 5, 365)).in("Resistor"),
    picture("pp1", Tolerance1, bandSlot(at, 5, 365)).in("Resistor"),
    picture("p4none", PlainStrip, bandSlot(at, 4, 292), Start::Hidden).in("Resistor"),
    optionButton("band5", "5", at.fiveBands, true).heardAs("5 pásků").in("Resistor"),
    optionButton("band4", "4", at.fourBands, false).heardAs("4 pásky").in("Resistor"),
    picture("ResistorP", RightEnd, offset(at.drawing, 2160, 0, 810, bandHeight)).in("Resistor"),
    picture("ppp", Tolerance10, bandSlot(at, 5, 365)).in("Resistor"),
    picture("p4p", BandWhite, bandSlot(at, 4, 292)).in("Resistor"),
    picture("p39", BandWhite, bandSlot(at, 3, bandWidth, shortBandHeight)).in("Resistor"),
    picture("p29", BandWhite, bandSlot(at, 2, bandWidth, shortBandHeight)).in("Resistor"),
    picture("ResistorL", LeftEnd, offset(at.drawing, 0, 0, 862, bandHeight)).in("Resistor"),
    label("presn", "10", offset(at.result, 1560, 0, 375, 375), Alignment::Right)
        .withFont(resultFont)
        .heardWithAnother()
        .in("Resistor"),
    label("vysl", "", offset(at.result, 0, 0, 810, 375), Alignment::Right).withFont(resultFont).in("Resistor"),
    label("Label21", "%", offset(at.result, 2040, 0, 375, 360)).withFont(resultFont).heardWithAnother().in("Resistor"),
});

// Swatches in front, then names, then values. Rows overlap by a pixel in the wide palette; each
// lower row lies in front, so that the row above never covers the accents on a name's capital.
// A reader hears a row's name and value with its swatch.
std::vector<forms::LayoutRow> paletteRows(const Form1Places& at) {
    std::vector<forms::LayoutRow> swatches;
    std::vector<forms::LayoutRow> names;
    std::vector<forms::LayoutRow> values;
    for (std::size_t row = ColourCode::paletteSize; row-- > 0;) {
        const PaletteRowNames& controls = paletteRowNames[row];
        const auto& colour = ColourCode::info(ColourCode::paletteEntry(PaletteMode::Digit, row)->colour);
        const int place = static_cast<int>(row) % at.rowsPerColumn;
        const Rect swatch = offset(at.swatch, at.columnPitch * (static_cast<int>(row) / at.rowsPerColumn),
                                   at.rowPitch * place, at.swatch.width, at.swatch.height);
        const int column = swatch.left - at.swatch.left;
        const int labelTop = swatch.top + (swatch.height - labelHeight) / 2;
        const int valueWidth = at.valueWidth > 0 ? at.valueWidth : controls.valueWidth;
        swatches.push_back(forms::swatch(controls.swatch, colour.swatch, swatch));
        names.push_back(label(controls.name, colour.name, {column + at.nameLeft, labelTop, at.nameWidth, labelHeight})
                            .heardWithAnother());
        values.push_back(label(controls.value, controls.digit, {column + at.valueLeft, labelTop, valueWidth, labelHeight})
                             .heardWithAnother());
    }
    std::ranges::reverse(swatches);
    std::vector<forms::LayoutRow> layout;
    for (const auto* rows : {&swatches, &names, &values}) {
        for (const forms::LayoutRow& row : *rows) {
            layout.push_back(row.in("Paleta"));
        }
    }
    return layout;
}

}  // namespace

forms::FormLooks form1Looks(forms::ScreenShape shape) {
    const Form1Places& at = placesFor(shape);
    return {"Form1", "  Virtuální Pruhomat", at.clientWidth, at.clientHeight, forms::FormBorder::FixedSingle};
}

std::vector<forms::LayoutRow> form1Layout(forms::ScreenShape shape) {
    const bool upright = shape == forms::ScreenShape::Upright;
    const auto& fixed = upright ? fixedControls<uprightPlaces> : fixedControls<widePlaces>;
    std::vector<forms::LayoutRow> layout(fixed.begin(), fixed.end());
    const std::vector<forms::LayoutRow> palette = paletteRows(placesFor(shape));
    layout.insert(layout.end(), palette.begin(), palette.end());
    return layout;
}

PaletteValueLefts paletteValueLefts(forms::ScreenShape shape) {
    const Form1Places& at = placesFor(shape);
    return {at.valueLeft, at.widestValueLeft};
}

// Upright where the wide window, with its frame, is wider than the screen and the screen is
// taller than wide.
forms::ScreenShape form1ShapeFor(int width, int height) {
    constexpr int frameAllowance = 4;  // pixels
    const int wideWidth = forms::PixelScale(forms::PixelScale::standardDpi).pixels(widePlaces.clientWidth) + frameAllowance;
    return width < wideWidth && height > width ? forms::ScreenShape::Upright : forms::ScreenShape::Wide;
}

}  // namespace pruhomat
