// Band selection, the palettes and colour entry: the handlers of the drawing and the swatches.
#include "form1.h"

#include <string>

#include "band_palettes.h"
#include "form1_layout.h"
#include "form1_names.h"

namespace pruhomat {
namespace {

// The value label of row 3 moves left while it shows the two digits of "10".
constexpr std::size_t wideValueRow = 3;

}  // namespace

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
            nameSwatch(*controls.swatch, *entry, mode);
        }
        for (forms::Control* part : {controls.swatch, controls.name, controls.value}) {
            part->setVisible(entry.has_value());
        }
    }
    shownPalette_ = mode;
    placeWidestValue();
    markHighlightedRow();
}

void Form1::placeWidestValue() {
    const PaletteValueLefts lefts = paletteValueLefts(shape_);
    const PaletteRow& row = paletteRows_[wideValueRow];
    const int column = row.swatch->left() - paletteRows_[0].swatch->left();
    row.value->setLeft(column + (shownPalette_ == PaletteMode::Tolerance ? lefts.widest : lefts.usual));
}

void Form1::colourButtonClick(std::size_t button) {
    const std::uint8_t band = state_.band;
    if (band == 1 && button == 0) {
        applyZeroRule();
        return;
    }
    if (band >= 1 && band <= bandPositions) {
        if (const auto entry = ColourCode::paletteEntry(paletteModeFor(band, currentBandCount()), button)) {
            enterColour(band, *entry);
        }
    }
    advance();
    // The palette's highlight stands on the colour of the band that stays current.
    if (state_.band != 0) {
        followCurrentBand();
    }
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

// The first band takes no black: the user is told, and band 1 stays current. The check box is
// read once the box is closed.
void Form1::applyZeroRule() {
    port_.messageBox(zeroRulePrompt, zeroRuleTitle, forms::MessageKind::Information, [this] {
        if (automaticAdvance()) {
            --state_.band;
        }
        advance();
    });
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

}  // namespace pruhomat
