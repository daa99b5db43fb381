#include "frm_about.h"

#include <array>
#include <span>
#include <string>

#include "layout.h"

namespace pruhomat {
namespace {

using forms::SystemColour;

constexpr std::string_view lineSeparator = "\r\n";

constexpr std::array<std::string_view, 3> tabOrder{"cmdOK", "Frame2", "Frame3"};

forms::FormLooks looks(forms::ScreenShape shape) {
    const int height = shape == forms::ScreenShape::Upright ? 2280 : 2025;
    return {"frmAbout", " O programu...", 4110, height, forms::FormBorder::FixedDialog};
}

constexpr forms::Font okFont{"MS Sans Serif", 8.25, true, 238};

constexpr auto layout = std::to_array<forms::LayoutRow>({
    forms::frame("Frame3", "E-Mail", {120, 1130, 1095, 255})
        .inColours(SystemColour::Highlight, SystemColour::InactiveBorder),
    forms::frame("Frame2", "URL: Domovský adresář", {1320, 1131, 2655, 255})
        .inColours(SystemColour::Highlight, SystemColour::ButtonFace),
    forms::frame("Frame1", "", {1320, 960, 2655, 135}),
    forms::picture("picIcon", ImageId::Penguin, {120, 120, 1005, 960}).bordered(),
    forms::commandButton("cmdOK", "OK", {1440, 1560, 1260, 345}).withFont(okFont).asDefault().asCancel(),
    forms::label("Label1", "", {1320, 120, 2655, 855}, forms::Alignment::Center).bordered(),
});

// Upright, on a phone: OK as tall as a fingertip is wide.
constexpr auto uprightLayout = [] {
    auto rows = layout;
    for (forms::LayoutRow& row : rows) {
        if (row.name == "cmdOK") {
            row.rect = {1440, 1560, 1260, 600};
        }
    }
    return rows;
}();

std::span<const forms::LayoutRow> layoutFor(forms::ScreenShape shape) {
    return shape == forms::ScreenShape::Upright ? std::span<const forms::LayoutRow>(uprightLayout) : layout;
}

}  // namespace

FrmAbout::FrmAbout(forms::PlatformPort& port) : port_(port) {}

void FrmAbout::load(forms::ScreenShape shape) {
    form_.reset();
    form_.emplace(looks(shape), layoutFor(shape));
    form_->control("cmdOK").onClick = [this] { cmdOK_Click(); };
    form_->control("Frame2").onClick = [this] { Frame2_Click(); };
    form_->control("Frame3").onClick = [this] { Frame3_Click(); };
    form_->setTabOrder(tabOrder);
    text_ = &form_->control("Label1");
    linkOwner_ = &form_->control("Frame1");
    Form_Load();
    form_->clearChanges();
}

void FrmAbout::fitScreen(forms::ScreenShape shape) {
    if (form_) {
        form_->relayOut(looks(shape), layoutFor(shape));
    }
}

void FrmAbout::Form_Load() {
    std::string text;
    text.append(lineSeparator).append(versionLine).append(lineSeparator).append(makerLine);
    text_->setCaption(text);
}

void FrmAbout::cmdOK_Click() { port_.unload(*form_); }

void FrmAbout::Frame2_Click() { openInShell(homePageUrl); }

void FrmAbout::Frame3_Click() { openInShell(mailLink); }

void FrmAbout::openInShell(std::string_view target) {
    port_.openLink(port_.windowHandle(*linkOwner_), target);
}

}  // namespace pruhomat
