#include "clicks.h"
#include "main_window.h"
#include "session.h"

namespace pruhomat::testing {
namespace {

using AboutDialog = MainWindow;
using WindowCommands = MainWindow;

TEST_F(AboutDialog, ShowsModallyTheSameTextEachTime) {
    std::vector<std::string> texts;
    port.whileModal = [&](forms::Form& about) {
        texts.push_back(about.control("Label1").caption());
        EXPECT_EQ(about.looks().caption, " O programu...");
        forms::click(about, "cmdOK");
    };
    click("Info_pr");
    click("Info_pr");
    EXPECT_EQ(port.modalForms, (std::vector<std::string>{"frmAbout", "frmAbout"}));
    EXPECT_EQ(port.unloadedForms, (std::vector<std::string>{"frmAbout", "frmAbout"}));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "\r\nVirtuální pruhomat verze 1.0\r\nAutor: Zelvotron");
    EXPECT_EQ(texts[1], texts[0]);
}

TEST_F(AboutDialog, LinksOpenInTheShellAndKeepTheDialogOpen) {
    forms::WindowHandle separatorHandle = 0;
    port.whileModal = [&](forms::Form& about) {
        separatorHandle = port.windowHandle(about.control("Frame1"));
        forms::click(about, "Frame2");
        forms::click(about, "Frame3");
        forms::click(about, "Frame3");
    };
    click("Info_pr");
    EXPECT_TRUE(port.unloadedForms.empty());
    ASSERT_EQ(port.links.size(), 3u);
    EXPECT_EQ(port.links[0].owner, separatorHandle);
    EXPECT_EQ(port.links[0].target, "http://zelvotron.example/www/zelvotron/Index.htm");
    EXPECT_EQ(port.links[1].target, "mailto:autor@zelvotron.example");
    EXPECT_EQ(port.links[2].target, "mailto:autor@zelvotron.example");
}

TEST_F(AboutDialog, AClickAnywhereInALinkFrameRaisesIt) {
    port.whileModal = [&](forms::Form& about) {
        const auto& frame = about.control("Frame3").rect();
        forms::clickAt(about, frame.left + frame.width - 1, frame.top + frame.height - 1);
        const auto& separator = about.control("Frame1").rect();
        forms::clickAt(about, separator.left + 10, separator.top + 10);
    };
    click("Info_pr");
    ASSERT_EQ(port.links.size(), 1u);
    EXPECT_EQ(port.links[0].target, "mailto:autor@zelvotron.example");
}

TEST_F(AboutDialog, InfoReachedWhileShownLeavesTheDialogAlone) {
    port.whileModal = [&](forms::Form& about) {
        about.control("Label1").setCaption("still the shown dialog");
        click("Info_pr");
        EXPECT_EQ(about.control("Label1").caption(), "still the shown dialog");
    };
    click("Info_pr");
    EXPECT_EQ(port.modalForms.size(), 1u);
}

// Enter and Esc press what the front-ends' key handling finds, as a click on it.
TEST_F(AboutDialog, EnterAndEscCloseIt) {
    for (const auto buttonOfKey : {forms::defaultButton, forms::cancelButton}) {
        port.unloadedForms.clear();
        port.whileModal = [&](forms::Form& about) {
            const std::size_t button = buttonOfKey(about);
            ASSERT_NE(button, forms::noControl);
            forms::click(about, about.controls()[button].name());
        };
        click("Info_pr");
        EXPECT_EQ(port.unloadedForms, std::vector<std::string>{"frmAbout"});
    }
}

TEST_F(WindowCommands, KonecUnloadsTheMainWindowInAnyState) {
    setAutomaticAdvance(true);
    clicks({"b0", "b3"});
    click("Exit_pr");
    EXPECT_EQ(port.unloadedForms, std::vector<std::string>{"Form1"});
    EXPECT_TRUE(port.messageBoxes.empty());
}

}  // namespace
}  // namespace pruhomat::testing
