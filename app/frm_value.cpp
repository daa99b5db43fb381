#include "frm_value.h"

#include <algorithm>
#include <utility>

#include "marking_lines.h"
#include "markings.h"
#include "component_bands.h"
#include "value_preview.h"

namespace pruhomat {
namespace {

constexpr Tolerance noBandTolerance = Tolerance::percent(20);

// The bands with another tolerance, keeping their count where it has a tolerance band: three
// bands for ±20 %, four from three for any other.
std::vector<Colour> withTolerance(const std::vector<Colour>& bands, Tolerance tolerance) {
    if (tolerance == noBandTolerance) {
        return bandsWithCount(bands, 3);
    }
    std::vector<Colour> changed = bands.size() == 3 ? bandsWithCount(bands, 4) : bands;
    const auto colour = markingOf(tolerance)->colour;
    const std::size_t place = changed.size() < 5 ? 3 : 4;
    if (changed.size() > place && colour) {
        changed[place] = *colour;
    }
    return changed;
}

}  // namespace

FrmValue::FrmValue(forms::PlatformPort& port, std::string decimalSeparator)
    : port_(port), decimalSeparator_(std::move(decimalSeparator)) {}

void FrmValue::load(std::string_view text, Tolerance tolerance, bool asCode, forms::ScreenShape shape) {
    lists_.reset();
    drawing_.reset();
    form_.reset();
    form_.emplace(frmValueLooks(shape), frmValueLayout(shape));
    form_->setTabOrder(frmValueTabOrder());
    valueField_ = &form_->control("txtValue");
    codeBox_ = &form_->control("chkSmd");
    toleranceList_ = &form_->control("cboTolerance");
    reverse_ = &form_->control("cmdReverse");
    for (std::size_t line = 0; line < previewLines; ++line) {
        preview_.at(line) = &form_->control(previewLineNames.at(line));
    }
    ok_ = &form_->control("cmdOK");
    lists_.emplace(*form_, decimalSeparator_);
    drawing_.emplace(*form_, decimalSeparator_);
    wireHandlers();
    accepted_.reset();
    valueField_->setCaption(text);
    codeBox_->setValue(asCode);
    std::vector<std::string> items;
    const auto offered = toleranceMarkings();
    for (const ToleranceMarking& marking : offered) {
        items.push_back(toleranceText(marking.tolerance, decimalSeparator_) + " %");
    }
    toleranceList_->setItems(std::move(items));
    // A tolerance the list lacks starts the list at its widest.
    const auto chosen = std::ranges::find(offered, tolerance, &ToleranceMarking::tolerance);
    toleranceList_->setSelectedItem(static_cast<int>((chosen == offered.end() ? offered.end() - 1 : chosen) - offered.begin()));
    pick_ = keptPick_ && keptPick_->text == text ? keptPick_ : std::nullopt;
    showPreview();
    form_->clearChanges();
}

void FrmValue::fitScreen(forms::ScreenShape shape) {
    if (form_) {
        form_->relayOut(frmValueLooks(shape), frmValueLayout(shape));
        drawing_->relaidOut();
    }
}

void FrmValue::wireHandlers() {
    valueField_->onChange = [this] { txtValue_Change(); };
    codeBox_->onClick = [this] { chkSmd_Click(); };
    toleranceList_->onChange = [this] { cboTolerance_Click(); };
    lists_->countList().onChange = [this] { cboBandCount_Click(); };
    for (std::size_t band = 0; band < BandLists::mostBands; ++band) {
        lists_->bandList(band).onChange = [this, band] { cboBand_Click(band); };
    }
    reverse_->onClick = [this] { cmdReverse_Click(); };
    ok_->onClick = [this] { cmdOK_Click(); };
    form_->control("cmdCancel").onClick = [this] { cmdCancel_Click(); };
    form_->onKey = [this](std::size_t focused, const forms::KeyInput& key) { return onKey(focused, key); };
}

void FrmValue::txtValue_Change() {
    pick_.reset();
    showPreview();
}

void FrmValue::chkSmd_Click() { showPreview(); }

void FrmValue::cboTolerance_Click() {
    if (pick_) {
        pick(withTolerance(shownBands_, tolerance()));
    } else {
        showPreview();
    }
}

void FrmValue::cboBandCount_Click() { pick(bandsWithCount(shownBands_, lists_->chosenCount())); }

void FrmValue::cboBand_Click(std::size_t band) {
    std::vector<Colour> bands = shownBands_;
    if (const auto colour = lists_->chosenColour(band); colour && band < bands.size()) {
        bands[band] = *colour;
        pick(std::move(bands));
    }
}

void FrmValue::cmdReverse_Click() {
    if (readBackwards(shownBands_)) {
        pick({shownBands_.rbegin(), shownBands_.rend()});
    }
}

void FrmValue::cmdOK_Click() {
    accepted_ = previewValue(valueField_->caption(), tolerance(), decimalSeparator_, codeBox_->value(), pickedBands()).drawn;
    keptPick_ = pick_;
    port_.unload(*form_);
}

void FrmValue::cmdCancel_Click() { port_.unload(*form_); }

// Ctrl+R turns the part round, as "Obrátit" does.
bool FrmValue::onKey(std::size_t, const forms::KeyInput& key) {
    if (key.key != forms::Key::Character || !key.control || key.character != U'r') {
        return false;
    }
    form_->click(reverse_->index());
    return true;
}

// The bands become the part: the field says what they read as.
void FrmValue::pick(std::vector<Colour> bands) {
    const auto marking = decodeBands(bands);
    if (!marking) {
        return;
    }
    std::string text = markingText(marking->value, marking->tolerance, marking->coefficient, decimalSeparator_);
    valueField_->setCaption(text);
    pick_ = Pick{std::move(bands), std::move(text)};
    showPreview();
}

Tolerance FrmValue::tolerance() const {
    return toleranceMarkings()[static_cast<std::size_t>(std::max(toleranceList_->selectedItem(), 0))].tolerance;
}

std::span<const Colour> FrmValue::pickedBands() const { return pick_ ? std::span<const Colour>(pick_->bands) : std::span<const Colour>{}; }

// Each marking on a line of its own, the lines with nothing to say hidden; the lists and the
// drawing show the part, kept as it was while the text is no value. OK only for what the
// window's bands can show. A tolerance typed with the value is chosen in the list too.
void FrmValue::showPreview() {
    const ValuePreview preview = previewValue(valueField_->caption(), tolerance(), decimalSeparator_, codeBox_->value(), pickedBands());
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
    const std::vector<Colour> bands = pick_ ? pick_->bands : preview.hasValue ? preview.partColours : shownBands_;
    if (!bands.empty()) {
        shownBands_ = bands;
    }
    lists_->show(bands);
    drawing_->show(bands);
    reverse_->setEnabled(readBackwards(bands).has_value());
    codeBox_->setEnabled(preview.readsAsCode);
    ok_->setEnabled(preview.drawn.has_value());
}

}  // namespace pruhomat
