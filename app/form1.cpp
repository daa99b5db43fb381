#include "form1.h"

#include <algorithm>
#include <string>
#include <utility>

#include "band_palettes.h"
#include "form1_names.h"
#include "form1_layout.h"
#include "result.h"

namespace pruhomat {

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
    form_.onContextMenu = [this](const forms::MenuPlace& place) { showContextMenu(place); };
    form_.windowMenu = windowMenuItems;
    form_.onWindowMenu = [this](int item) { windowMenuChosen(item); };
}

void Form1::Form_Load() { state_ = ResistorState{}; }

void Form1::fitScreen(forms::ScreenShape shape) {
    if (shape == shape_) {
        return;
    }
    shape_ = shape;
    form_.relayOut(form1Looks(shape), form1Layout(shape));
    placeWidestValue();
    markHighlightedRow();
    if (about_) {
        about_->fitScreen(shape);
    }
    if (valueDialog_) {
        valueDialog_->fitScreen(shape);
    }
}

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
