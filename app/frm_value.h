#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "bands_for_value.h"
#include "form.h"
#include "platform_port.h"
#include "tolerance.h"

namespace pruhomat {

// The dialog that takes a value ("4k7", "4K7J", "01C") and a tolerance, shows every marking of
// it and the bands the window draws for it. Its controls exist while it is loaded; each showing
// loads it anew.
class FrmValue {
public:
    static constexpr std::size_t previewLines = 10;

    FrmValue(forms::PlatformPort& port, std::string decimalSeparator);

    // Builds the controls anew with the text, the tolerance and the reading to start from.
    void load(std::string_view text, Tolerance tolerance, bool asCode);
    forms::Form& form() { return *form_; }

    // The resistor OK accepted in this showing; none after Zrušit, Esc or the close box.
    const std::optional<DrawnResistor>& accepted() const { return accepted_; }
    const std::string& text() const { return valueField_->caption(); }
    // Whether the text was read as an SMD code.
    bool asCode() const { return codeBox_->value(); }

private:
    void txtValue_Change();
    void chkSmd_Click();
    void cboTolerance_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void showPreview();
    Tolerance tolerance() const;

    forms::PlatformPort& port_;
    std::string decimalSeparator_;
    std::optional<forms::Form> form_;
    std::optional<DrawnResistor> accepted_;
    // Looked up at load, so that a name the layout lacks fails there, never on a keystroke.
    forms::Control* valueField_ = nullptr;
    forms::Control* codeBox_ = nullptr;
    forms::Control* toleranceList_ = nullptr;
    std::array<forms::Control*, previewLines> preview_{};
    forms::Control* ok_ = nullptr;
};

}  // namespace pruhomat
