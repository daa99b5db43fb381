#include "frm_value_layout.h"

#include "band_lists.h"
#include "part_drawing.h"

namespace pruhomat {
namespace {

constexpr auto tabOrder = std::to_array<std::string_view>(
    {"txtValue", "chkSmd", "cboTolerance", "cboBandCount", "cmdReverse", "cboBand1", "cboBand2", "cboBand3", "cboBand4",
     "cboBand5", "cboBand6", "cmdOK", "cmdCancel"});

constexpr int lineTop = 2340;
constexpr int lineHeight = 240;
constexpr int buttonTop = lineTop + static_cast<int>(valuePreviewLines) * lineHeight + 150;

constexpr forms::LayoutRow previewLine(std::size_t line) {
    return forms::label(previewLineNames.at(line), "", {180, lineTop + static_cast<int>(line) * lineHeight, 8040, 210});
}

std::vector<forms::LayoutRow> fixedRows() {
    std::vector<forms::LayoutRow> rows{
        forms::label("lblValue", "Hodnota:", {120, 180, 900, 195}),
        forms::textBox("txtValue", {1080, 120, 3000, 315}).heardAs("Hodnota").holdingAtMost(64),
        forms::checkBox("chkSmd", "číst jako kód SMD", {4260, 150, 2700, 255}, false),
        forms::label("lblTolerance", "Přesnost:", {120, 615, 900, 195}),
        forms::comboBox("cboTolerance", {}, {1080, 555, 1080, 315}).heardAs("Přesnost"),
        forms::commandButton("cmdReverse", "Obrátit", {4860, 540, 1260, 345}),
    };
    for (std::size_t line = 0; line < valuePreviewLines; ++line) {
        rows.push_back(previewLine(line));
    }
    // The sunken box behind the lines, which say everything themselves.
    rows.push_back(forms::label("lblPreview", "", {120, lineTop - 60, 8160, valuePreviewLines * lineHeight + 90})
                       .bordered()
                       .heardWithAnother());
    rows.push_back(forms::commandButton("cmdOK", "OK", {5580, buttonTop, 1260, 345}).asDefault());
    rows.push_back(forms::commandButton("cmdCancel", "Zrušit", {7020, buttonTop, 1260, 345}).asCancel());
    return rows;
}

}  // namespace

const std::array<std::string_view, valuePreviewLines> previewLineNames{
    "lblPreview1", "lblPreview2", "lblPreview3", "lblPreview4", "lblPreview5",
    "lblPreview6", "lblPreview7", "lblPreview8", "lblPreview9", "lblPreview10"};

forms::FormLooks frmValueLooks() {
    return {"frmValue", "Zadat hodnotu", 8400, buttonTop + 465, forms::FormBorder::FixedDialog,
            forms::Placement::CentreOnOwner};
}

const std::vector<forms::LayoutRow>& frmValueLayout() {
    static const std::vector<forms::LayoutRow> layout = [] {
        std::vector<forms::LayoutRow> rows = fixedRows();
        for (const auto& part : {BandLists::layout(), PartDrawing::layout()}) {
            rows.insert(rows.end(), part.begin(), part.end());
        }
        return rows;
    }();
    return layout;
}

std::span<const std::string_view> frmValueTabOrder() { return tabOrder; }

}  // namespace pruhomat
