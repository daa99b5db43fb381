#include "frm_value_layout.h"

#include "band_lists.h"
#include "component_drawing.h"

namespace pruhomat {
namespace {

constexpr auto tabOrder = std::to_array<std::string_view>(
    {"txtValue", "chkSmd", "cboTolerance", "cboBandCount", "cmdReverse", "cboBand1", "cboBand2", "cboBand3", "cboBand4",
     "cboBand5", "cboBand6", "cmdOK", "cmdCancel"});

// Twips. Upright, on a phone: the checkbox beside the value, Obrátit beside the drawing, each
// line of the preview room for two, where a long one wraps, and every control a fingertip wide.
struct ValuePlaces {
    int clientWidth;
    forms::Rect valueLabel, value, asCode, toleranceLabel, tolerance, reverse;
    int drawingLeft, drawingTop;
    int lineTop, linePitch, lineHeight, lineWidth;
    int buttonTop, buttonWidth, buttonHeight;
};

constexpr ValuePlaces widePlaces{
    8400,
    {120, 180, 900, 195}, {1080, 120, 3000, 315}, {4260, 150, 2700, 255}, {120, 615, 900, 195}, {1080, 555, 1080, 315},
    {4860, 540, 1260, 345},
    4860, 1020,
    2340, 240, 210, 8040,
    4890, 1260, 345,
};

constexpr ValuePlaces uprightPlaces{
    5160,
    {120, 300, 840, 195}, {960, 120, 2100, 600}, {3180, 120, 1860, 600}, {120, 960, 840, 195}, {960, 780, 1260, 600},
    {3720, 3780, 1320, 600},
    180, 3540,
    4860, 420, 390, 4800,
    9210, 1620, 600,
};

constexpr const ValuePlaces& placesFor(forms::ScreenShape shape) {
    return shape == forms::ScreenShape::Upright ? uprightPlaces : widePlaces;
}

std::vector<forms::LayoutRow> fixedRows(const ValuePlaces& at) {
    std::vector<forms::LayoutRow> rows{
        forms::label("lblValue", "Hodnota:", at.valueLabel),
        forms::textBox("txtValue", at.value).heardAs("Hodnota").holdingAtMost(64),
        forms::checkBox("chkSmd", "číst jako kód SMD", at.asCode, false),
        forms::label("lblTolerance", "Přesnost:", at.toleranceLabel),
        forms::comboBox("cboTolerance", {}, at.tolerance).heardAs("Přesnost"),
        forms::commandButton("cmdReverse", "Obrátit", at.reverse),
    };
    for (std::size_t line = 0; line < valuePreviewLines; ++line) {
        const int top = at.lineTop + static_cast<int>(line) * at.linePitch;
        rows.push_back(forms::label(previewLineNames.at(line), "", {180, top, at.lineWidth, at.lineHeight}));
    }
    // The sunken box behind the lines, which say everything themselves.
    const int boxHeight = static_cast<int>(valuePreviewLines) * at.linePitch + 90;
    rows.push_back(forms::label("lblPreview", "", {120, at.lineTop - 60, at.lineWidth + 120, boxHeight})
                       .bordered()
                       .heardWithAnother());
    const int cancelLeft = at.clientWidth - 120 - at.buttonWidth;
    const int okLeft = cancelLeft - 180 - at.buttonWidth;
    rows.push_back(forms::commandButton("cmdOK", "OK", {okLeft, at.buttonTop, at.buttonWidth, at.buttonHeight}).asDefault());
    rows.push_back(
        forms::commandButton("cmdCancel", "Zrušit", {cancelLeft, at.buttonTop, at.buttonWidth, at.buttonHeight}).asCancel());
    return rows;
}

}  // namespace

const std::array<std::string_view, valuePreviewLines> previewLineNames{
    "lblPreview1", "lblPreview2", "lblPreview3", "lblPreview4", "lblPreview5",
    "lblPreview6", "lblPreview7", "lblPreview8", "lblPreview9", "lblPreview10"};

forms::FormLooks frmValueLooks(forms::ScreenShape shape) {
    const ValuePlaces& at = placesFor(shape);
    return {"frmValue", "Zadat hodnotu", at.clientWidth, at.buttonTop + at.buttonHeight + 120, forms::FormBorder::FixedDialog,
            forms::Placement::CentreOnOwner};
}

std::vector<forms::LayoutRow> frmValueLayout(forms::ScreenShape shape) {
    const ValuePlaces& at = placesFor(shape);
    std::vector<forms::LayoutRow> rows = fixedRows(at);
    for (const auto& part : {BandLists::layout(shape), ComponentDrawing::layout(at.drawingLeft, at.drawingTop)}) {
        rows.insert(rows.end(), part.begin(), part.end());
    }
    return rows;
}

std::span<const std::string_view> frmValueTabOrder() { return tabOrder; }

}  // namespace pruhomat
