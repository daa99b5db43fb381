#include "component_drawing.h"

#include <utility>

#include "marking_lines.h"
#include "component_bands.h"

namespace pruhomat {
namespace {

using forms::Rect;

constexpr std::array<std::string_view, ComponentDrawing::slotCount> slotNames{"picSlot1", "picSlot2", "picSlot3", "picSlot4",
                                                                        "picSlot5", "picSlot6", "picSlot7"};
constexpr std::array<std::string_view, 6> bandNumbers{"Pásek 1: ", "Pásek 2: ", "Pásek 3: ",
                                                      "Pásek 4: ", "Pásek 5: ", "Pásek 6: "};

// Twips; the body's slots are as wide as the main window's band pitch.
constexpr int bodyOffset = 840;  // from the left end
constexpr int slotWidth = 240;
constexpr int partHeight = 1095;
constexpr int bodyWithoutBands = 5;  // slots

int slotLeft(int drawingLeft, std::size_t slot) { return drawingLeft + bodyOffset + slotWidth * static_cast<int>(slot); }

// Which band each slot shows (-1: the plain body): the digits and the multiplier together,
// a gap, the tolerance and the coefficient; three bands leave the rest of the body plain.
std::vector<int> slotBands(std::size_t bands) {
    switch (bands) {
        case 3:
            return {0, 1, 2, -1, -1};
        case 4:
            return {0, 1, 2, -1, 3};
        case 5:
            return {0, 1, 2, 3, -1, 4};
        case 6:
            return {0, 1, 2, 3, -1, 4, 5};
        default:
            return std::vector<int>(bodyWithoutBands, -1);
    }
}

}  // namespace

std::vector<forms::LayoutRow> ComponentDrawing::layout(int left, int top) {
    std::vector<forms::LayoutRow> rows;
    for (std::size_t slot = 0; slot < slotCount; ++slot) {
        rows.push_back(forms::picture(slotNames[slot], ImageId::PlainStrip, {slotLeft(left, slot), top, slotWidth, partHeight})
                           .heardWithAnother());
    }
    rows.push_back(forms::picture("picPartRight", ImageId::RightEnd, {slotLeft(left, bodyWithoutBands), top, 810, partHeight})
                       .heardWithAnother());
    rows.push_back(forms::picture("picPartLeft", ImageId::LeftEnd, {left, top, 862, partHeight}).heardWithAnother());
    rows.push_back(forms::picture("picPart", ImageId::NoImage, {left - 60, top - 60, 3480, partHeight + 120})
                       .bordered()
                       .inColours(forms::SystemColour::WindowText, forms::SystemColour::ButtonFace));
    return rows;
}

ComponentDrawing::ComponentDrawing(forms::Form& form, std::string decimalSeparator)
    : decimalSeparator_(std::move(decimalSeparator)), whole_(&form.control("picPart")), rightEnd_(&form.control("picPartRight")) {
    for (std::size_t slot = 0; slot < slotCount; ++slot) {
        slots_[slot] = &form.control(slotNames[slot]);
        slots_[slot]->showsNameAsTooltip = true;
    }
}

void ComponentDrawing::show(std::span<const Colour> bands) {
    const std::vector<int> shown = slotBands(bands.size());
    const std::vector<BandRole> roles = bands.empty() ? std::vector<BandRole>{} : bandRoles(bands.size());
    std::vector<std::string> names;
    for (std::size_t slot = 0; slot < slotCount; ++slot) {
        forms::Control& picture = *slots_[slot];
        const int band = slot < shown.size() ? shown[slot] : -1;
        picture.setVisible(slot < shown.size());
        picture.setPicture(band < 0 ? ImageId::PlainStrip : bandImage(bands[static_cast<std::size_t>(band)]));
        std::string name;
        if (band >= 0) {
            const Colour colour = bands[static_cast<std::size_t>(band)];
            name = std::string(bandNumbers.at(static_cast<std::size_t>(band))) + colourName(colour) + ", " +
                   bandMeaning(colour, roles[static_cast<std::size_t>(band)], decimalSeparator_);
            names.push_back(colourName(colour));
        }
        picture.setAccessibleName(name);
    }
    slotsShown_ = shown.size();
    relaidOut();
    whole_->setAccessibleName(names.empty() ? "Součástka bez pásků" : "Součástka: " + joined(names));
}

void ComponentDrawing::relaidOut() { rightEnd_->setLeft(slots_[0]->left() + slotWidth * static_cast<int>(slotsShown_)); }

}  // namespace pruhomat
