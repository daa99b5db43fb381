#include "frm_value.h"

#include <algorithm>
#include <array>
#include <utility>

#include "layout.h"
#include "markings.h"
#include "value_preview.h"

namespace pruhomat {
namespace {

constexpr std::array<std::string_view, 5> tabOrder{"txtValue", "chkSmd", "cboTolerance", "cmdOK", "cmdCancel"};

constexpr std::array<std::string_view, FrmValue::previewLines> lineNames{
    "lblPreview1", "lblPreview2", "lblPreview3", "lblPreview4", "lblPreview5",
    "lblPreview6", "lblPreview7", "lblPreview8", "lblPreview9", "lblPreview10"};

constexpr int lineTop = 1050;
constexpr int lineHeight = 240;

forms::FormLooks looks() {
    return {"frmValue", "Zadat hodnotu", 6600, 4050, forms::FormBorder::FixedDialog, forms::Placement::CentreOnOwner};
}

constexpr forms::LayoutRow previewLine(std::size_t line) {
    return forms::label(lineNames.at(line), "", {180, lineTop + static_cast<int>(line) * lineHeight, 6240, 210});
}

constexpr auto layout = std::to_array<forms::LayoutRow>({
    forms::label("lblValue", "Hodnota:", {120, 180, 900, 195}),
    forms::textBox("txtValue", {1080, 120, 2520, 315}).heardAs("Hodnota").holdingAtMost(64),
    forms::checkBox("chkSmd", "číst jako kód SMD", {3780, 150, 2700, 255}, false),
    forms::label("lblTolerance", "Přesnost:", {120, 615, 900, 195}),
    forms::comboBox("cboTolerance", {}, {1080, 555, 1080, 315}).heardAs("Přesnost"),
    previewLine(0), previewLine(1), previewLine(2), previewLine(3), previewLine(4),
    previewLine(5), previewLine(6), previewLine(7), previewLine(8), previewLine(9),
    // The sunken box behind the lines, which say everything themselves.
    forms::label("lblPreview", "", {120, lineTop - 60, 6360, FrmValue::previewLines * lineHeight + 90})
        .bordered()
        .heardWithAnother(),
    forms::commandButton("cmdOK", "OK", {3780, 3585, 1260, 345}).asDefault(),
    forms::commandButton("cmdCancel", "Zrušit", {5220, 3585, 1260, 345}).asCancel(),
});

}  // namespace

FrmValue::FrmValue(forms::PlatformPort& port, std::string decimalSeparator)
    : port_(port), decimalSeparator_(std::move(decimalSeparator)) {}

void FrmValue::load(std::string_view text, Tolerance tolerance, bool asCode) {
    form_.reset();
    form_.emplace(looks(), layout);
    form_->setTabOrder(tabOrder);
    valueField_ = &form_->control("txtValue");
    codeBox_ = &form_->control("chkSmd");
    toleranceList_ = &form_->control("cboTolerance");
    for (std::size_t line = 0; line < previewLines; ++line) {
        preview_.at(line) = &form_->control(lineNames.at(line));
    }
    ok_ = &form_->control("cmdOK");
    valueField_->onChange = [this] { txtValue_Change(); };
    codeBox_->onClick = [this] { chkSmd_Click(); };
    toleranceList_->onChange = [this] { cboTolerance_Click(); };
    ok_->onClick = [this] { cmdOK_Click(); };
    form_->control("cmdCancel").onClick = [this] { cmdCancel_Click(); };
    accepted_.reset();
    valueField_->setCaption(text);
    codeBox_->setValue(asCode);
    const auto offered = toleranceMarkings();
    for (const ToleranceMarking& marking : offered) {
        toleranceList_->items.push_back(toleranceText(marking.tolerance, decimalSeparator_) + " %");
    }
    // A tolerance the list lacks starts the list at its widest.
    const auto chosen = std::ranges::find(offered, tolerance, &ToleranceMarking::tolerance);
    toleranceList_->setSelectedItem(static_cast<int>((chosen == offered.end() ? offered.end() - 1 : chosen) - offered.begin()));
    showPreview();
    form_->clearChanges();
}

void FrmValue::txtValue_Change() { showPreview(); }

void FrmValue::chkSmd_Click() { showPreview(); }

void FrmValue::cboTolerance_Click() { showPreview(); }

void FrmValue::cmdOK_Click() {
    accepted_ = previewValue(valueField_->caption(), tolerance(), decimalSeparator_, codeBox_->value()).drawn;
    port_.unload(*form_);
}

void FrmValue::cmdCancel_Click() { port_.unload(*form_); }

Tolerance FrmValue::tolerance() const {
    return toleranceMarkings()[static_cast<std::size_t>(std::max(toleranceList_->selectedItem(), 0))].tolerance;
}

// Each marking on a line of its own, the lines with nothing to say hidden. OK only for a value
// the window's bands can show. A tolerance typed with the value is chosen in the list too.
void FrmValue::showPreview() {
    const ValuePreview preview = previewValue(valueField_->caption(), tolerance(), decimalSeparator_, codeBox_->value());
    const auto offered = toleranceMarkings();
    const auto typed = std::ranges::find(offered, preview.typedTolerance, [](const ToleranceMarking& marking) {
        return std::optional(marking.tolerance);
    });
    if (typed != offered.end()) {
        toleranceList_->setSelectedItem(static_cast<int>(typed - offered.begin()));
    }
    const std::vector<std::string> lines = preview.lines();
    for (std::size_t line = 0; line < previewLines; ++line) {
        preview_.at(line)->setCaption(line < lines.size() ? lines[line] : "");
        preview_.at(line)->setVisible(line < lines.size());
    }
    codeBox_->setEnabled(preview.readsAsCode);
    ok_->setEnabled(preview.drawn.has_value());
}

}  // namespace pruhomat
