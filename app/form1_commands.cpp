// The result, the window commands and the dialogs of the main window.
#include "form1.h"

#include <utility>

#include "band_palettes.h"
#include "result.h"

namespace pruhomat {

void Form1::prog_Click() {
    for (forms::Control* unit : named_.units) {
        unit->setVisible(false);
    }
    placeArrow(0);
    for (forms::Control* part : {named_.value, named_.percent, named_.tolerance}) {
        part->setVisible(true);
    }
    state_.band = 0;

    const Result result = computeResult(state_, currentBandCount(), decimalSeparator_);
    state_.num3 = result.num3;
    named_.tolerance->setCaption(result.toleranceCaption);
    named_.units[static_cast<std::size_t>(result.unit)]->setVisible(true);
    named_.value->setCaption(result.valueCaption);
    nameResult(result);
}

void Form1::Info_pr_Click() {
    if (dialogShown_) {
        return;
    }
    if (!about_) {
        about_ = std::make_unique<FrmAbout>(port_);
    }
    about_->load(shape_);
    showModal(about_->form(), nullptr);
}

void Form1::enterValue() {
    if (dialogShown_) {
        return;
    }
    if (!valueDialog_) {
        valueDialog_ = std::make_unique<FrmValue>(port_, decimalSeparator_);
    }
    valueDialog_->load(lastValueText_, Tolerance::percent(state_.num5), lastValueAsCode_, shape_);
    showModal(valueDialog_->form(), [this] { valueAnswered(); });
}

// What OK took is drawn as clicks would draw it, and offered again at the next showing.
void Form1::valueAnswered() {
    if (const auto& drawn = valueDialog_->accepted()) {
        lastValueText_ = valueDialog_->text();
        lastValueAsCode_ = valueDialog_->asCode();
        drawResistor(*drawn);
    }
}

// While a dialog is shown the main window takes no input; a click or key that still arrives
// (a message sent to the window) must not load the shown dialog anew under its window.
void Form1::showModal(forms::Form& dialog, std::function<void()> closed) {
    dialogShown_ = true;
    port_.showModal(dialog, [this, closed = std::move(closed)] {
        dialogShown_ = false;
        if (closed) {
            closed();
        }
    });
}

// The band count through its option button where the value needs the other one, each band
// chosen and its colour entered, then the result shown.
void Form1::drawResistor(const DrawnResistor& drawn) {
    if (drawn.count != currentBandCount()) {
        form_.click((drawn.count == BandCount::Four ? named_.fourBands : named_.fiveBands)->index());
    }
    const auto values = bandValues(drawn.state);
    for (std::uint8_t band = 1; band <= bandPositions; ++band) {
        if (!hasBand(band, drawn.count)) {
            continue;
        }
        selectBand(band);
        const PaletteMode mode = paletteModeFor(band, drawn.count);
        enterColour(band, *ColourCode::paletteEntry(mode, *ColourCode::positionOf(mode, values[band - 1])));
    }
    prog_Click();
}

void Form1::Exit_pr_Click() { port_.unload(form_); }

}  // namespace pruhomat
