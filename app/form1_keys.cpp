// The main window from the keyboard: every key does what a click does, through the same handlers.
#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "form1.h"
#include "result.h"

namespace pruhomat {
namespace {

using forms::Key;

// Letters for the colours that have no digit.
struct ColourLetter {
    char32_t letter;
    Colour colour;
};

constexpr std::array colourLetters{ColourLetter{U'g', Colour::Gold}, ColourLetter{U's', Colour::Silver}};

enum ContextMenuItem : std::uint8_t { CopyResult, EnterValue };

constexpr forms::MenuItem enterValueItem{"Zadat hodnotu...", 'F'};
constexpr std::array<forms::MenuItem, 2> contextMenu{{{"Kopírovat výsledek", 'C'}, enterValueItem}};

char32_t lowerCase(char32_t character) {
    return character >= U'A' && character <= U'Z' ? character - U'A' + U'a' : character;
}

forms::Rect unionOf(const forms::Rect& first, const forms::Rect& second) {
    const int left = std::min(first.left, second.left);
    const int top = std::min(first.top, second.top);
    const int right = std::max(first.left + first.width, second.left + second.width);
    const int bottom = std::max(first.top + first.height, second.top + second.height);
    return {left, top, right - left, bottom - top};
}

}  // namespace

// The keys of the palette and drawing stop, while it has the keyboard.
struct Form1::DrawingKey {
    Key key;
    void (Form1::*command)();
};

const std::array<Form1::DrawingKey, 8> Form1::drawingKeys{{
    {Key::Right, &Form1::nextBand},
    {Key::Left, &Form1::previousBand},
    {Key::Home, &Form1::firstBand},
    {Key::End, &Form1::lastBand},
    {Key::Down, &Form1::nextRow},
    {Key::Up, &Form1::previousRow},
    {Key::Space, &Form1::pressHighlightedRow},
    {Key::Enter, &Form1::pressHighlightedRow},
}};

bool Form1::keyPressed(std::size_t focused, const forms::KeyInput& key) {
    if (key.control) {
        if (key.key == Key::Character && key.character == U'c') {
            copyResult();
            return true;
        }
        if (key.key == Key::Character && key.character == U'f') {
            enterValue();
            return true;
        }
        if (key.key == Key::Enter) {
            form_.click(named_.resultButton->index());
            return true;
        }
        return false;
    }
    if (focused != named_.palette->index()) {
        return false;
    }
    if (key.key == Key::Character) {
        // A key the palette does not offer does nothing, and says nothing.
        if (const auto row = rowTyped(key.character)) {
            pressRow(*row);
        }
        return true;
    }
    const auto found = std::ranges::find(drawingKeys, key.key, &DrawingKey::key);
    if (found == drawingKeys.end()) {
        return false;
    }
    (this->*found->command)();
    return true;
}

void Form1::nextBand() { stepBand(true); }
void Form1::previousBand() { stepBand(false); }
void Form1::firstBand() { selectBand(1); }
void Form1::lastBand() { selectBand(bandPositions); }
void Form1::nextRow() { moveHighlight(true); }
void Form1::previousRow() { moveHighlight(false); }
void Form1::pressHighlightedRow() { pressRow(highlightedRow_); }

// The bands in order, band 4 left out of a four-band resistor; no further than the first or last.
void Form1::stepBand(bool forwards) {
    int band = state_.band;
    if (band == 0) {
        band = forwards ? 1 : static_cast<int>(bandPositions);
    } else {
        band = std::clamp(band + (forwards ? 1 : -1), 1, static_cast<int>(bandPositions));
        if (!hasBand(static_cast<std::uint8_t>(band), currentBandCount())) {
            band += forwards ? 1 : -1;
        }
    }
    selectBand(static_cast<std::uint8_t>(band));
}

// Over the rows shown, round the end.
void Form1::moveHighlight(bool down) {
    std::size_t row = highlightedRow_;
    for (std::size_t step = 0; step < ColourCode::paletteSize; ++step) {
        row = (row + (down ? 1 : ColourCode::paletteSize - 1)) % ColourCode::paletteSize;
        if (paletteRows_[row].swatch->visible()) {
            break;
        }
    }
    highlightedRow_ = row;
    markHighlightedRow();
}

void Form1::pressRow(std::size_t row) { form_.click(paletteRows_[row].swatch->index()); }

// The shown row whose value reads as the digit typed ("10" for 0), or whose colour the letter names.
std::optional<std::size_t> Form1::rowTyped(char32_t character) const {
    const char32_t typed = lowerCase(character);
    const auto letter = std::ranges::find(colourLetters, typed, &ColourLetter::letter);
    for (std::size_t row = 0; row < ColourCode::paletteSize; ++row) {
        const PaletteRow& controls = paletteRows_[row];
        if (!controls.swatch->visible()) {
            continue;
        }
        const std::string& value = controls.value->caption();
        const bool digitMatches = typed >= U'0' && typed <= U'9' &&
                                  (value == std::string(1, static_cast<char>(typed)) || (typed == U'0' && value == "10"));
        const bool letterMatches =
            letter != colourLetters.end() && controls.name->caption() == ColourCode::info(letter->colour).name;
        if (digitMatches || letterMatches) {
            return row;
        }
    }
    return std::nullopt;
}

// The highlight goes to the row of the colour the current band shows, or to the first row.
void Form1::followCurrentBand() {
    const double shown = bandValues(state_).at(state_.band - 1);
    const PaletteMode mode = paletteModeFor(state_.band, currentBandCount());
    highlightedRow_ = ColourCode::positionOf(mode, shown).value_or(0);
    markHighlightedRow();
}

// Round the row's value, swatch and name; to a screen reader the swatch is the list's selection.
void Form1::markHighlightedRow() {
    if (!paletteRows_[highlightedRow_].swatch->visible()) {
        highlightedRow_ = 0;
    }
    for (std::size_t row = 0; row < paletteRows_.size(); ++row) {
        paletteRows_[row].swatch->setAccessibleSelected(row == highlightedRow_);
    }
    const PaletteRow& row = paletteRows_[highlightedRow_];
    named_.palette->setFocusMark(unionOf(unionOf(row.value->rect(), row.swatch->rect()), row.name->rect()));
}

void Form1::showContextMenu(const forms::MenuPlace& place) {
    port_.popupMenu(contextMenu, place, [this](int item) { contextMenuChosen(item); });
}

void Form1::contextMenuChosen(int item) {
    switch (item) {
        case CopyResult:
            copyResult();
            break;
        case EnterValue:
            enterValue();
            break;
        default:
            break;
    }
}

const std::array<forms::MenuItem, 1> Form1::windowMenuItems{enterValueItem};

// The window menu holds the value dialog only.
void Form1::windowMenuChosen(int item) {
    if (item == 0) {
        enterValue();
    }
}

// As "Výsledek >>" would show it, the state left as it is: "4,7 kΩ ±5 %".
void Form1::copyResult() {
    port_.copyText(resultLine(computeResult(state_, currentBandCount(), decimalSeparator_)));
}

}  // namespace pruhomat
