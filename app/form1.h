#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "band_palettes.h"
#include "colour_code.h"
#include "form.h"
#include "frm_about.h"
#include "frm_value.h"
#include "platform_port.h"
#include "resistor_state.h"
#include "result.h"

namespace pruhomat {

inline constexpr std::string_view zeroRulePrompt = "Hodnotu '0' nelze v prvním poli použít...";
inline constexpr std::string_view zeroRuleTitle = "O Programu...";

// The main window: its controls and every handler of the resistor editing.
class Form1 {
public:
    Form1(forms::PlatformPort& port, std::string decimalSeparator);

    forms::Form& form() { return form_; }
    const ResistorState& state() const { return state_; }

    // The screen turned or took another size: this window and its dialogs laid out for the shape,
    // everything entered in them kept.
    void fitScreen(forms::ScreenShape shape);

private:
    void lookUpControls();
    void buildStack(std::uint8_t band);
    void connectHandlers();
    void Form_Load();

    void SelectBand1();
    void SelectBand2();
    void SelectBand3();
    void SelectBand4();
    void SelectBand5();
    void selectBand(std::uint8_t band);

    void ShowDigitPalette();
    void ShowExponentPalette4Band();
    void ShowExponentPalette5Band();
    void ShowTolerancePalette();
    void showPalette(PaletteMode mode);
    void placeWidestValue();

    // b0_Click to b9_Click.
    void colourButtonClick(std::size_t button);
    void enterColour(std::uint8_t band, const PaletteEntry& entry);
    // The box of the zero rule; the advance step follows once it is closed.
    void applyZeroRule();
    void advance();

    void band4_Click();
    void band5_Click();
    void prog_Click();
    void Info_pr_Click();
    void Exit_pr_Click();

    // From a value to its bands: the dialog, then the bands entered as clicks would enter them.
    void enterValue();
    void drawResistor(const DrawnResistor& drawn);
    void valueAnswered();
    void showModal(forms::Form& dialog, std::function<void()> closed);

    bool automaticAdvance() const;
    BandCount currentBandCount() const;
    void hideResultDisplay();
    void placeArrow(std::uint8_t band);
    void showInStack(std::uint8_t band, std::size_t picture);
    void restoreDigitPaletteCaption();

    // The keyboard and the clipboard.
    bool keyPressed(std::size_t focused, const forms::KeyInput& key);
    struct DrawingKey;
    static const std::array<DrawingKey, 8> drawingKeys;
    void nextBand();
    void previousBand();
    void firstBand();
    void lastBand();
    void nextRow();
    void previousRow();
    void pressHighlightedRow();
    void stepBand(bool forwards);
    void moveHighlight(bool down);
    void pressRow(std::size_t row);
    std::optional<std::size_t> rowTyped(char32_t character) const;
    void followCurrentBand();
    void markHighlightedRow();
    void showContextMenu(const forms::MenuPlace& place);
    void contextMenuChosen(int item);
    static const std::array<forms::MenuItem, 1> windowMenuItems;
    void windowMenuChosen(int item);
    void copyResult();

    // For screen readers.
    void nameBandPicture(std::uint8_t band, std::size_t picture, const PaletteEntry& entry);
    static void nameSwatch(forms::Control& swatch, const PaletteEntry& entry, PaletteMode mode);
    void nameFixedPictures();
    void nameResult(const Result& result);
    forms::Control& control(std::string_view name) { return form_.control(name); }

    forms::PlatformPort& port_;
    std::string decimalSeparator_;
    forms::Form form_;
    forms::ScreenShape shape_ = forms::ScreenShape::Wide;
    PaletteMode shownPalette_ = PaletteMode::Digit;
    ResistorState state_;
    std::unique_ptr<FrmAbout> about_;
    std::unique_ptr<FrmValue> valueDialog_;
    bool dialogShown_ = false;
    // What OK last took in the value dialog during this run.
    std::string lastValueText_;
    bool lastValueAsCode_ = false;

    // The controls the handlers touch, looked up once here, so that a name the layout lacks fails
    // the construction of the window, never a click.
    struct Controls {
        forms::Control* palette;
        forms::Control* resultButton;
        forms::Control* automaticAdvance;
        forms::Control* fourBands;
        forms::Control* fiveBands;
        forms::Control* value;
        forms::Control* tolerance;
        forms::Control* percent;
        std::array<forms::Control*, 3> units;  // Ω, kΩ, MΩ
        forms::Control* thirdSilver;
        std::array<forms::Control*, 3> thirdNoMultiplier;  // violet, grey, white
        forms::Control* fourthEmpty;
        forms::Control* fourthPlain;
        std::array<forms::Control*, 7> fourthColours;
    };
    Controls named_{};
    struct PaletteRow {
        forms::Control* swatch;
        forms::Control* name;
        forms::Control* value;
    };
    std::array<PaletteRow, ColourCode::paletteSize> paletteRows_{};
    std::array<forms::Control*, bandPositions> arrows_{};
    // The palette row Space and Enter press.
    std::size_t highlightedRow_ = 0;
    // The pictures colour entry chooses between, for bands 1 to 5.
    std::array<std::vector<std::size_t>, bandPositions> stacks_;
};

}  // namespace pruhomat
