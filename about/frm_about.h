#pragma once

#include <optional>
#include <string_view>

#include "form.h"
#include "platform_port.h"
#include "version.h"

namespace pruhomat {

inline constexpr std::string_view homePageUrl = "http://zelvotron.example/www/zelvotron/Index.htm";
inline constexpr std::string_view mailLink = "mailto:autor@zelvotron.example";
inline constexpr std::string_view makerLine = "Autor: Zelvotron";

// The About dialog. Its controls exist while it is loaded; each showing loads it anew.
class FrmAbout {
public:
    explicit FrmAbout(forms::PlatformPort& port);

    // Builds the controls anew as laid out for the screen and runs Form_Load. The controls of the
    // previous showing stay until then, since its front-end may still be closing them.
    void load(forms::ScreenShape shape = forms::ScreenShape::Wide);
    // The screen took another shape while the dialog was loaded.
    void fitScreen(forms::ScreenShape shape);
    forms::Form& form() { return *form_; }

private:
    void Form_Load();
    void cmdOK_Click();
    void Frame2_Click();
    void Frame3_Click();
    void openInShell(std::string_view target);

    forms::PlatformPort& port_;
    std::optional<forms::Form> form_;
    // Looked up at load, so that a name the layout lacks fails there, never on a click.
    forms::Control* text_ = nullptr;
    forms::Control* linkOwner_ = nullptr;
};

}  // namespace pruhomat
