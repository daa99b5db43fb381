#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "band_lists.h"
#include "bands_for_value.h"
#include "form.h"
#include "frm_value_layout.h"
#include "component_drawing.h"
#include "platform_port.h"
#include "tolerance.h"

namespace pruhomat {

// The dialog that takes a value ("4k7", "4K7J", "01C") and a tolerance, or a part's bands picked
// in its lists, shows every marking and the part drawn, and the bands the window draws for it.
// Its controls exist while it is loaded; each showing loads it anew.
class FrmValue {
public:
    static constexpr std::size_t previewLines = valuePreviewLines;

    FrmValue(forms::PlatformPort& port, std::string decimalSeparator);

    // Builds the controls anew with the text, the tolerance and the reading to start from; the
    // bands OK last took come back with the text they wrote.
    void load(std::string_view text, Tolerance tolerance, bool asCode,
              forms::ScreenShape shape = forms::ScreenShape::Wide);
    // The screen took another shape while the dialog was loaded.
    void fitScreen(forms::ScreenShape shape);
    forms::Form& form() { return *form_; }

    // The resistor OK accepted in this showing; none after Zrušit, Esc or the close box.
    const std::optional<DrawnResistor>& accepted() const { return accepted_; }
    const std::string& text() const { return valueField_->caption(); }
    // Whether the text was read as an SMD code.
    bool asCode() const { return codeBox_->value(); }

private:
    // Bands picked in the lists, and the text they wrote into the field: the part while the
    // field holds that text.
    struct Pick {
        std::vector<Colour> bands;
        std::string text;
    };

    void wireHandlers();
    void txtValue_Change();
    void chkSmd_Click();
    void cboTolerance_Click();
    void cboBandCount_Click();
    void cboBand_Click(std::size_t band);
    void cmdReverse_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    bool onKey(std::size_t focused, const forms::KeyInput& key);
    void pick(std::vector<Colour> bands);
    void showPreview();
    Tolerance tolerance() const;
    std::span<const Colour> pickedBands() const;

    forms::PlatformPort& port_;
    std::string decimalSeparator_;
    std::optional<forms::Form> form_;
    std::optional<DrawnResistor> accepted_;
    std::optional<Pick> pick_;
    std::optional<Pick> keptPick_;
    std::vector<Colour> shownBands_{Colour::Brown, Colour::Black, Colour::Red, Colour::Gold};
    std::optional<BandLists> lists_;
    std::optional<ComponentDrawing> drawing_;
    // Looked up at load, so that a name the layout lacks fails there, never on a keystroke.
    forms::Control* valueField_ = nullptr;
    forms::Control* codeBox_ = nullptr;
    forms::Control* toleranceList_ = nullptr;
    forms::Control* reverse_ = nullptr;
    std::array<forms::Control*, previewLines> preview_{};
    forms::Control* ok_ = nullptr;
};

}  // namespace pruhomat
