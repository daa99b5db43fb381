#include "band_lists.h"

#include <algorithm>
#include <utility>

#include "marking_lines.h"
#include "component_bands.h"

namespace pruhomat {
namespace {

constexpr std::size_t fewestBands = 3;
constexpr std::array<std::string_view, 4> countItems{"3 pásky", "4 pásky", "5 pásků", "6 pásků"};
constexpr std::array<std::string_view, BandLists::mostBands> listNames{"cboBand1", "cboBand2", "cboBand3",
                                                                      "cboBand4", "cboBand5", "cboBand6"};
constexpr std::array<std::string_view, BandLists::mostBands> heardNames{"Pásek 1", "Pásek 2", "Pásek 3",
                                                                       "Pásek 4", "Pásek 5", "Pásek 6"};
constexpr std::array<std::string_view, BandLists::mostBands> labelNames{"lblBand1", "lblBand2", "lblBand3",
                                                                       "lblBand4", "lblBand5", "lblBand6"};
constexpr std::array<std::string_view, BandLists::mostBands> numbers{"1.", "2.", "3.", "4.", "5.", "6."};

// Twips: the count's list beside the tolerance's, the bands' lists in two columns of three.
struct ListPlaces {
    forms::Rect countLabel;
    forms::Rect count;
    int firstListTop;
    int listPitch;
    int listHeight;
    std::array<int, 2> columnLefts;
    int listWidth;
};

constexpr ListPlaces widePlaces{{2400, 615, 660, 195}, {3060, 555, 1260, 315}, 1020, 390, 315, {120, 2460}, 1860};
constexpr ListPlaces uprightPlaces{{2400, 960, 660, 195}, {3060, 780, 1500, 600}, 1440, 660, 600, {120, 2640}, 2100};
constexpr int labelWidth = 300;
constexpr int labelHeight = 195;

forms::Rect listBox(const ListPlaces& at, std::size_t band) {
    return {at.columnLefts.at(band / 3) + labelWidth, at.firstListTop + at.listPitch * static_cast<int>(band % 3),
            at.listWidth, at.listHeight};
}

}  // namespace

std::vector<forms::LayoutRow> BandLists::layout(forms::ScreenShape shape) {
    const ListPlaces& at = shape == forms::ScreenShape::Upright ? uprightPlaces : widePlaces;
    std::vector<forms::LayoutRow> rows{
        forms::label("lblBands", "Pásky:", at.countLabel),
        forms::comboBox("cboBandCount", countItems, at.count).heardAs("Pásky"),
    };
    for (std::size_t band = 0; band < mostBands; ++band) {
        const forms::Rect list = listBox(at, band);
        const int labelTop = list.top + (list.height - labelHeight + 1) / 2;
        rows.push_back(forms::comboBox(listNames[band], {}, list).heardAs(heardNames[band]));
        rows.push_back(forms::label(labelNames[band], numbers[band], {list.left - labelWidth, labelTop, labelWidth - 30, labelHeight})
                           .heardWithAnother());
    }
    return rows;
}

BandLists::BandLists(forms::Form& form, std::string decimalSeparator)
    : decimalSeparator_(std::move(decimalSeparator)), count_(&form.control("cboBandCount")) {
    for (std::size_t band = 0; band < mostBands; ++band) {
        bands_[band] = &form.control(listNames[band]);
        numbers_[band] = &form.control(labelNames[band]);
    }
}

void BandLists::show(const std::vector<Colour>& bands) {
    const bool any = !bands.empty();
    shownCount_ = bands.size();
    count_->setEnabled(any);
    count_->setSelectedItem(any ? static_cast<int>(bands.size() - fewestBands) : forms::noItem);
    const std::vector<BandRole> roles = bandRoles(any ? bands.size() : mostBands);
    for (std::size_t band = 0; band < mostBands; ++band) {
        forms::Control& list = *bands_[band];
        const bool shown = band < roles.size();
        list.setVisible(shown);
        numbers_[band]->setVisible(shown);
        list.setEnabled(any);
        std::vector<std::string> items;
        const std::vector<Colour> offered = shown ? offeredColours(roles[band], roles.size()) : std::vector<Colour>{};
        for (const Colour colour : offered) {
            items.push_back(colourName(colour) + " " + bandMeaning(colour, roles[band], decimalSeparator_));
        }
        list.setItems(std::move(items));
        const auto at = any && shown ? std::ranges::find(offered, bands[band]) : offered.end();
        list.setSelectedItem(at == offered.end() ? forms::noItem : static_cast<int>(at - offered.begin()));
    }
}

std::size_t BandLists::chosenCount() const { return fewestBands + static_cast<std::size_t>(std::max(count_->selectedItem(), 0)); }

std::optional<Colour> BandLists::chosenColour(std::size_t band) const {
    const int item = bands_.at(band)->selectedItem();
    const std::vector<BandRole> roles = bandRoles(shownCount_);
    if (item < 0 || band >= roles.size()) {
        return std::nullopt;
    }
    const std::vector<Colour> offered = offeredColours(roles[band], roles.size());
    return static_cast<std::size_t>(item) < offered.size() ? std::optional(offered[static_cast<std::size_t>(item)]) : std::nullopt;
}

}  // namespace pruhomat
