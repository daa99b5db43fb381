// What a screen reader says of the main window: each band column as its position and colour, each
// swatch as its colour and value, the result row as one text. A band's name shows as its tooltip
// too, for whoever reads the colours by name. The current band reads as selected (placeArrow).
#include <string>

#include "czech_text.h"
#include "form1.h"
#include "result.h"

namespace pruhomat {
namespace {

std::string bandName(std::uint8_t band, std::string_view colour) {
    return "Pásek " + std::to_string(band) + ": " + std::string(colour);
}

}  // namespace

void Form1::nameBandPicture(std::uint8_t band, std::size_t picture, const PaletteEntry& entry) {
    form_.at(picture).setAccessibleName(bandName(band, inLowerCase(ColourCode::info(entry.colour).name)));
    form_.at(picture).showsNameAsTooltip = true;
}

// "Zlatá, -1", or "Zlatá, 5 %" for a tolerance.
void Form1::nameSwatch(forms::Control& swatch, const PaletteEntry& entry, PaletteMode mode) {
    swatch.setAccessibleName(std::string(ColourCode::info(entry.colour).name) + ", " + entry.valueText +
                             (mode == PaletteMode::Tolerance ? " %" : ""));
}

void Form1::nameFixedPictures() {
    // The plain pictures behind the colours show silver; band 4 of a four-band resistor is none.
    const std::string silver = inLowerCase(ColourCode::info(Colour::Silver).name);
    named_.fourthPlain->setAccessibleName(bandName(4, silver));
    control("ppp").setAccessibleName(bandName(5, silver));
    named_.fourthEmpty->setAccessibleName(bandName(4, "žádný"));
    for (forms::Control* picture : {named_.fourthPlain, &control("ppp"), named_.fourthEmpty}) {
        picture->showsNameAsTooltip = true;
    }
}

void Form1::nameResult(const Result& result) {
    named_.value->setAccessibleName(result.valueCaption + " " + std::string(unitSymbol(result.unit)) + ", " +
                                    result.toleranceCaption + " %");
}

}  // namespace pruhomat
