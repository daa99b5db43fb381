#include "band_lists.h"

#include <algorithm>
#include <utility>

#include "marking_lines.h"
#include "part_bands.h"

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

constexpr int firstListTop = 1020;
constexpr int listPitch = 390;
constexpr std::array<int, 2> columnLefts{120, 2460};
constexpr int labelWidth = 300;
constexpr int listWidth = 1860;

forms::Rect listBox(std::size_t band) {
    return {columnLefts.at(band / 3) + labelWidth, firstListTop + listPitch * static_cast<int>(band % 3), listWidth, 315};
}

}  // namespace

std::vector<forms::LayoutRow> BandLists::layout() {
    std::vector<forms::LayoutRow> rows{
        forms::label("lblBands", "Pásky:", {2400, 615, 660, 195}),
        forms::comboBox("cboBandCount", countItems, {3060, 555, 1260, 315}).heardAs("Pásky"),
    };
    for (std::size_t band = 0; band < mostBands; ++band) {
        const forms::Rect list = listBox(band);
        rows.push_back(forms::comboBox(listNames[band], {}, list).heardAs(heardNames[band]));
        rows.push_back(forms::label(labelNames[band], numbers[band], {list.left - labelWidth, list.top + 60, labelWidth - 30, 195})
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
