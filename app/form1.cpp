#include "form1.h"

#include <algorithm>
#include <string>
#include <utility>

#include "band_palettes.h"
#include "form1_layout.h"
#include "result.h"

namespace pruhomat {
namespace {

constexpr std::string_view digitPaletteCaption = "Paleta";
constexpr std::string_view exponentPaletteCaption = "Paleta - Exponent";
constexpr std::string_view tolerancePaletteCaption = "Paleta - Přesnost";

// The value label of row 3 moves left while it shows the two digits of "10".
constexpr std::size_t wideValueRow = 3;
constexpr int valueLabelLeft = 240;
constexpr int wideValueLabelLeft = 150;


// Band pictures are named p, the band and the digit of their colour (p3gold and p3silver where
// there is none); tolerance pictures pp and the percent.
std::string bandPictureName(std::uint8_t band, const PaletteEntry& entry) {
    if (band == 5) {
        return "pp" + entry.valueText;
    }
    const ColourInfo& colour = ColourCode::info(entry.colour);
    std::string name = "p" + std::to_string(band);
    if (colour.digit) {
        return name + std::to_string(*colour.digit);
    }
    return name + (entry.colour == Colour::Gold ? "gold" : "silver");
}

}  // namespace

Form1::Form1(forms::PlatformPort& port, std::string decimalSeparator)
    : port_(port), decimalSeparator_(std::move(decimalSeparator)), form_(form1Looks(), form1Layout()) {
    lookUpControls();
    for (std::uint8_t band = 1; band <= bandPositions; ++band) {
        buildStack(band);
    }
    connectHandlers();
    // What the window shows as it loads, for the keyboard and screen readers, is no change.
    const Result loaded = computeResult(state_, BandCount::Five, decimalSeparator_);
    named_.value->setCaption(loaded.valueCaption);
    nameFixedPictures();
    ShowDigitPalette();
    nameResult(loaded);
    form_.clearChanges();
    Form_Load();
}

void Form1::lookUpControls() {
    named_ = {&control("Paleta"),
              &control("prog"),
              &control("automat"),
              &control("band4"),
              &control("band5"),
              &control("vysl"),
              &control("presn"),
              &control("Label21"),
              {&control("ohm"), &control("kohm"), &control("mohm")},
              &control("p3silver"),
              {&control("p37"), &control("p38"), &control("p39")},
              &control("p4none"),
              &control("p4p"),
              {&control("p40"), &control("p41"), &control("p42"), &control("p43"), &control("p44"),
               &control("p4gold"), &control("p4silver")}};
    for (std::size_t row = 0; row < ColourCode::paletteSize; ++row) {
        paletteRows_[row] = {&control("b" + std::to_string(row)), &control("Label" + std::to_string(row + 1)),
                             &control("Label" + std::to_string(row + 11))};
    }
    for (std::uint8_t band = 1; band <= bandPositions; ++band) {
        arrows_[band - 1] = &control("sipka" + std::to_string(band));
    }
}

// The pictures of every colour the band takes with either band count, each clicked as the band.
void Form1::buildStack(std::uint8_t band) {
    auto& stack = stacks_[band - 1];
    for (const BandCount count : {BandCount::Four, BandCount::Five}) {
        const PaletteMode mode = paletteModeFor(band, count);
        for (std::size_t position = 0; position < ColourCode::paletteSize; ++position) {
            const auto entry = ColourCode::paletteEntry(mode, position);
            if (!entry) {
                continue;
            }
            const std::size_t picture = form_.indexOf(bandPictureName(band, *entry));
            if (std::find(stack.begin(), stack.end(), picture) == stack.end()) {
                stack.push_back(picture);
                nameBandPicture(band, picture, *entry);
            }
        }
    }
    for (const std::size_t picture : stack) {
        form_.at(picture).onClick = [this, band] { selectBand(band); };
    }
}

void Form1::connectHandlers() {
    for (std::size_t row = 0; row < ColourCode::paletteSize; ++row) {
        paletteRows_[row].swatch->onClick = [this, row] { colourButtonClick(row); };
    }
    control("p4p").onClick = [this] { selectBand(4); };
    control("band4").onClick = [this] { band4_Click(); };
    control("band5").onClick = [this] { band5_Click(); };
    control("prog").onClick = [this] { prog_Click(); };
    control("Info_pr").onClick = [this] { Info_pr_Click(); };
    control("Exit_pr").onClick = [this] { Exit_pr_Click(); };
    form_.setTabOrder(form1TabOrder);
    form_.onKey = [this](std::size_t focused, const forms::KeyInput& key) { return keyPressed(focused, key); };
    form_.onContextMenu = [this] { showContextMenu(); };
    form_.windowMenu = windowMenuItems;
    form_.onWindowMenu = [this](int item) { windowMenuChosen(item); };
}

void Form1::Form_Load() { state_ = ResistorState{}; }

void Form1::SelectBand1() {
    state_.band = 1;
    restoreDigitPaletteCaption();
    if (!automaticAdvance()) {
        hideResultDisplay();
    }
    placeArrow(1);
}

void Form1::SelectBand2() {
    state_.band = 2;
    restoreDigitPaletteCaption();
    hideResultDisplay();
    placeArrow(2);
}

void Form1::SelectBand3() {
    state_.band = 3;
    if (!automaticAdvance()) {
        hideResultDisplay();
    }
    placeArrow(3);
    if (currentBandCount() == BandCount::Four) {
        named_.palette->setCaption(exponentPaletteCaption);
        ShowExponentPalette4Band();
    } else {
        named_.palette->setCaption(digitPaletteCaption);
        ShowDigitPalette();
    }
}

void Form1::SelectBand4() {
    state_.band = 4;
    named_.palette->setCaption(exponentPaletteCaption);
    if (!automaticAdvance()) {
        hideResultDisplay();
    }
    placeArrow(4);
    ShowExponentPalette5Band();
}

void Form1::SelectBand5() {
    state_.band = 5;
    named_.palette->setCaption(tolerancePaletteCaption);
    if (!automaticAdvance()) {
        hideResultDisplay();
    }
    placeArrow(5);
    ShowTolerancePalette();
}

void Form1::selectBand(std::uint8_t band) {
    switch (band) {
        case 1:
            SelectBand1();
            break;
        case 2:
            SelectBand2();
            break;
        case 3:
            SelectBand3();
            break;
        case 4:
            SelectBand4();
            break;
        case 5:
            SelectBand5();
            break;
        default:
            return;
    }
    followCurrentBand();
}

void Form1::ShowDigitPalette() { showPalette(PaletteMode::Digit); }

void Form1::ShowExponentPalette4Band() { showPalette(PaletteMode::Exponent4Band); }

void Form1::ShowExponentPalette5Band() { showPalette(PaletteMode::Exponent5Band); }

void Form1::ShowTolerancePalette() {
    state_.band = 5;
    placeArrow(5);
    showPalette(PaletteMode::Tolerance);
}

// Each palette is put up whole, whatever was shown before.
void Form1::showPalette(PaletteMode mode) {
    for (std::size_t row = 0; row < ColourCode::paletteSize; ++row) {
        const PaletteRow& controls = paletteRows_[row];
        const auto entry = ColourCode::paletteEntry(mode, row);
        if (entry) {
            const ColourInfo& colour = ColourCode::info(entry->colour);
            controls.swatch->setBackground(colour.swatch);
            controls.value->setCaption(entry->valueText);
            controls.name->setCaption(colour.name);
            // A screen reader hears "Zlatá, -1", or "Zlatá, 5 %" for a tolerance.
            controls.swatch->setAccessibleName(std::string(colour.name) + ", " + entry->valueText +
                                               (mode == PaletteMode::Tolerance ? " %" : ""));
        }
        for (forms::Control* part : {controls.swatch, controls.name, controls.value}) {
            part->setVisible(entry.has_value());
        }
    }
    paletteRows_[wideValueRow].value->setLeft(mode == PaletteMode::Tolerance ? wideValueLabelLeft : valueLabelLeft);
    markHighlightedRow();
}

void Form1::colourButtonClick(std::size_t button) {
    const std::uint8_t band = state_.band;
    if (band == 1 && button == 0) {
        applyZeroRule();
    } else if (band >= 1 && band <= bandPositions) {
        if (const auto entry = ColourCode::paletteEntry(paletteModeFor(band, currentBandCount()), button)) {
            enterColour(band, *entry);
        }
    }
    advance();
}

void Form1::enterColour(std::uint8_t band, const PaletteEntry& entry) {
    showInStack(band, form_.indexOf(bandPictureName(band, entry)));
    switch (band) {
        case 1:
            state_.num1 = static_cast<std::uint8_t>(entry.value);
            break;
        case 2:
            state_.num2 = static_cast<std::uint8_t>(entry.value);
            break;
        case 3:
            state_.num3 = entry.value;
            break;
        case 4:
            state_.num4 = entry.value;
            break;
        default:
            state_.num5 = static_cast<std::uint8_t>(entry.value);
            break;
    }
}

// The first band takes no black: the user is told, and band 1 stays current.
void Form1::applyZeroRule() {
    port_.messageBox(zeroRulePrompt, zeroRuleTitle, forms::MessageKind::Information);
    if (automaticAdvance()) {
        --state_.band;
    }
}

void Form1::advance() {
    if (!automaticAdvance()) {
        return;
    }
    // A four-band resistor has no band 4: its tolerance follows the multiplier.
    const bool skipBand4 = currentBandCount() == BandCount::Four && state_.band == 3;
    state_.band = static_cast<std::uint8_t>(state_.band + (skipBand4 ? 2 : 1));
    if (state_.band == bandPositions + 1) {
        prog_Click();
        state_.band = 1;
    }
    selectBand(state_.band);
}

void Form1::band4_Click() {
    // Grey, white and violet are no four-band multipliers; the band turns silver instead.
    if (state_.num3 == 9 || state_.num3 == 8 || state_.num3 == 7) {
        state_.num3 = -2;
        named_.thirdSilver->setVisible(true);
        for (forms::Control* picture : named_.thirdNoMultiplier) {
            picture->setVisible(false);
        }
    }
    hideResultDisplay();
    state_.band = 0;
    restoreDigitPaletteCaption();
    placeArrow(0);
    named_.fourthEmpty->setVisible(true);
    named_.fourthPlain->setVisible(false);
    for (forms::Control* picture : named_.fourthColours) {
        picture->setVisible(false);
    }
}

void Form1::band5_Click() {
    state_.num4 = -2;
    hideResultDisplay();
    state_.band = 0;
    restoreDigitPaletteCaption();
    placeArrow(0);
    named_.fourthEmpty->setVisible(false);
    named_.fourthPlain->setVisible(true);
}

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
    about_->load();
    showModal(about_->form());
}

void Form1::enterValue() {
    if (dialogShown_) {
        return;
    }
    if (!valueDialog_) {
        valueDialog_ = std::make_unique<FrmValue>(port_, decimalSeparator_);
    }
    valueDialog_->load(lastValueText_, Tolerance::percent(state_.num5), lastValueAsCode_);
    showModal(valueDialog_->form());
    if (const auto& drawn = valueDialog_->accepted()) {
        lastValueText_ = valueDialog_->text();
        lastValueAsCode_ = valueDialog_->asCode();
        drawResistor(*drawn);
    }
}

// While a dialog is shown the main window takes no input; a click or key that still arrives
// (a message sent to the window) must not load the shown dialog anew under its window.
void Form1::showModal(forms::Form& dialog) {
    dialogShown_ = true;
    port_.showModal(dialog);
    dialogShown_ = false;
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

bool Form1::automaticAdvance() const { return named_.automaticAdvance->value(); }

BandCount Form1::currentBandCount() const {
    return named_.fourBands->value() ? BandCount::Four : BandCount::Five;
}

void Form1::hideResultDisplay() {
    for (forms::Control* part : {named_.value, named_.tolerance, named_.percent}) {
        part->setVisible(false);
    }
    for (forms::Control* unit : named_.units) {
        unit->setVisible(false);
    }
}

// Band 0 hides every arrow.
void Form1::placeArrow(std::uint8_t band) {
    for (std::uint8_t arrow = 1; arrow <= bandPositions; ++arrow) {
        arrows_[arrow - 1]->setVisible(arrow == band);
        for (const std::size_t picture : stacks_[arrow - 1]) {
            form_.at(picture).setAccessibleSelected(arrow == band);
        }
    }
}

// The picture becomes the only one of its band's stack on show.
void Form1::showInStack(std::uint8_t band, std::size_t picture) {
    for (const std::size_t member : stacks_[band - 1]) {
        form_.at(member).setVisible(member == picture);
    }
}

void Form1::restoreDigitPaletteCaption() {
    if (named_.palette->caption() != digitPaletteCaption) {
        named_.palette->setCaption(digitPaletteCaption);
        ShowDigitPalette();
    }
}

}  // namespace pruhomat
