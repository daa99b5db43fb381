#include "frm_value.h"

#include <algorithm>
#include <array>
#include <utility>

#include "layout.h"
#include "value_preview.h"

namespace pruhomat {
namespace {

constexpr std::string_view lineSeparator = "\r\n";

// The tolerances offered, in the order of the list.
constexpr std::array<std::uint8_t, 4> tolerances{1, 2, 5, 10};

constexpr std::array<std::string_view, 4> tabOrder{"txtValue", "cboTolerance", "cmdOK", "cmdCancel"};

forms::FormLooks looks() {
    return {"frmValue", "Zadat hodnotu", 5400, 2475, forms::FormBorder::FixedDialog, forms::Placement::CentreOnOwner};
}

constexpr std::array<std::string_view, tolerances.size()> toleranceItems{"1 %", "2 %", "5 %", "10 %"};

constexpr auto layout = std::to_array<forms::LayoutRow>({
    forms::label("lblValue", "Hodnota:", {120, 180, 900, 195}),
    forms::textBox("txtValue", {1080, 120, 2520, 315}).heardAs("Hodnota").holdingAtMost(64),
    forms::label("lblTolerance", "Přesnost:", {120, 615, 900, 195}),
    forms::comboBox("cboTolerance", toleranceItems, {1080, 555, 1080, 315}).heardAs("Přesnost"),
    forms::label("lblPreview", "", {120, 1005, 5160, 795}).bordered(),
    forms::commandButton("cmdOK", "OK", {2580, 1965, 1260, 345}).asDefault(),
    forms::commandButton("cmdCancel", "Zrušit", {4020, 1965, 1260, 345}).asCancel(),
});

}  // namespace

FrmValue::FrmValue(forms::PlatformPort& port, std::string decimalSeparator)
    : port_(port), decimalSeparator_(std::move(decimalSeparator)) {}

void FrmValue::load(std::string_view text, std::uint8_t tolerance) {
    form_.reset();
    form_.emplace(looks(), layout);
    form_->setTabOrder(tabOrder);
    valueField_ = &form_->control("txtValue");
    toleranceList_ = &form_->control("cboTolerance");
    preview_ = &form_->control("lblPreview");
    ok_ = &form_->control("cmdOK");
    valueField_->onChange = [this] { txtValue_Change(); };
    toleranceList_->onChange = [this] { cboTolerance_Click(); };
    ok_->onClick = [this] { cmdOK_Click(); };
    form_->control("cmdCancel").onClick = [this] { cmdCancel_Click(); };
    accepted_.reset();
    valueField_->setCaption(text);
    // A tolerance the list lacks starts the list at its widest.
    const auto offered = std::ranges::find(tolerances, tolerance);
    toleranceList_->setSelectedItem(static_cast<int>((offered == tolerances.end() ? tolerances.end() - 1 : offered) -
                                                 tolerances.begin()));
    showPreview();
    form_->clearChanges();
}

void FrmValue::txtValue_Change() { showPreview(); }

void FrmValue::cboTolerance_Click() { showPreview(); }

void FrmValue::cmdOK_Click() {
    accepted_ = previewValue(valueField_->caption(), tolerance(), decimalSeparator_).drawn;
    port_.unload(*form_);
}

void FrmValue::cmdCancel_Click() { port_.unload(*form_); }

std::uint8_t FrmValue::tolerance() const {
    return tolerances.at(static_cast<std::size_t>(std::max(toleranceList_->selectedItem(), 0)));
}

// Three lines: the value or why it cannot be drawn, its bands, its series. OK only for a
// value the bands can show. A tolerance typed with the value is chosen in the list too.
void FrmValue::showPreview() {
    const ValuePreview preview = previewValue(valueField_->caption(), tolerance(), decimalSeparator_);
    const auto typed = std::ranges::find(tolerances, preview.typedTolerance.value_or(0));
    if (typed != tolerances.end()) {
        toleranceList_->setSelectedItem(static_cast<int>(typed - tolerances.begin()));
    }
    std::string text = preview.value;
    for (const std::string* line : {&preview.bands, &preview.series}) {
        if (!line->empty()) {
            text.append(lineSeparator).append(*line);
        }
    }
    preview_->setCaption(text);
    ok_->setEnabled(preview.drawn.has_value());
}

}  // namespace pruhomat
