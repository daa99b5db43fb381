#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "bands_for_value.h"
#include "form.h"
#include "platform_port.h"

namespace pruhomat {

// The dialog that takes a value ("4k7") and a tolerance and shows the bands that mark it. Its
// controls exist while it is loaded; each showing loads it anew.
class FrmValue {
public:
    FrmValue(forms::PlatformPort& port, std::string decimalSeparator);

    // Builds the controls anew with the text and the tolerance (in percent) to start from.
    void load(std::string_view text, std::uint8_t tolerance);
    forms::Form& form() { return *form_; }

    // The resistor OK accepted in this showing; none after Zrušit, Esc or the close box.
    const std::optional<DrawnResistor>& accepted() const { return accepted_; }
    const std::string& text() const { return valueField_->caption(); }

private:
    void txtValue_Change();
    void cboTolerance_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void showPreview();
    std::uint8_t tolerance() const;

    forms::PlatformPort& port_;
    std::string decimalSeparator_;
    std::optional<forms::Form> form_;
    std::optional<DrawnResistor> accepted_;
    // Looked up at load, so that a name the layout lacks fails there, never on a keystroke.
    forms::Control* valueField_ = nullptr;
    forms::Control* toleranceList_ = nullptr;
    forms::Control* preview_ = nullptr;
    forms::Control* ok_ = nullptr;
};

}  // namespace pruhomat
