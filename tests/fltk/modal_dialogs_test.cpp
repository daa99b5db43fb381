#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/fl_ask.H>
#include <X11/keysym.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <unistd.h>
#include <vector>

#include "colour_code.h"
#include "frm_value.h"
#include "images.h"
#include "real_window.h"
#include "reference.h"

namespace pruhomat::testing {
namespace {

using ModalDialogs = RealWindow;

// Acts inside a modal window once its event loop runs: polls for the window, whatever the speed
// of the machine, and closes it if the action left it open, so that a failing test cannot hang.
class WhenModal {
public:
    WhenModal(std::string title, std::function<void(Fl_Window&)> action)
        : title_(std::move(title)), action_(std::move(action)) {
        Fl::add_timeout(pollInterval, poll, this);
    }
    WhenModal(const WhenModal&) = delete;
    WhenModal& operator=(const WhenModal&) = delete;
    ~WhenModal() { Fl::remove_timeout(poll, this); }

    bool acted() const { return acted_; }

private:
    static constexpr double pollInterval = 0.05;
    static constexpr int attempts = 400;

    static void poll(void* data) {
        auto& self = *static_cast<WhenModal*>(data);
        Fl_Window* window = windowTitled(self.title_);
        if (window == nullptr || Fl::modal() != window) {
            if (++self.polls < attempts) {
                Fl::add_timeout(pollInterval, poll, data);
            }
            return;
        }
        self.acted_ = true;
        self.action_(*window);
        if (windowTitled(self.title_) == window) {
            window->hide();
        }
        // The loop waits for the next event after a timeout; an empty one lets it see the close.
        Fl::add_timeout(0.01, [](void*) {});
    }

    std::string title_;
    std::function<void(Fl_Window&)> action_;
    int polls = 0;
    bool acted_ = false;
};

Fl_Widget* childLabelled(Fl_Group& group, const std::string& label) {
    for (int index = 0; index < group.children(); ++index) {
        Fl_Widget* child = group.child(index);
        if (child->label() != nullptr && label == child->label()) {
            return child;
        }
        if (auto* inner = child->as_group()) {
            if (Fl_Widget* found = childLabelled(*inner, label)) {
                return found;
            }
        }
    }
    return nullptr;
}

void clickWidget(Fl_Window& window, const Fl_Widget& widget) {
    clickAt(window, widget.x() + widget.w() / 2, widget.y() + widget.h() / 2);
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST_F(ModalDialogs, ZeroRuleBoxIsModalAndClosesWithOk) {
    click("p19");
    WhenModal inBox("O Programu...", [&](Fl_Window& box) {
        EXPECT_NE(childLabelled(box, "Hodnotu '0' nelze v prvním poli použít..."), nullptr);
        EXPECT_STREQ(fl_message_icon()->label(), "i");
        click("prog");
        EXPECT_FALSE(shown("vysl")) << "the main window took a click under the box";
        Fl_Widget* ok = childLabelled(box, "OK");
        ASSERT_NE(ok, nullptr);
        clickWidget(box, *ok);
        EXPECT_EQ(windowTitled("O Programu..."), nullptr) << "OK closes the box";
    });
    click("b0");
    EXPECT_TRUE(inBox.acted());
    EXPECT_EQ(windowTitled("O Programu..."), nullptr);
    EXPECT_EQ(state().num1, 9);
    EXPECT_TRUE(shown("sipka1"));
}

TEST_F(ModalDialogs, AboutBlocksTheMainWindowOpensLinksByPointerAndKeysAndClosesWithEscapeOrEnter) {
    const auto tools = std::filesystem::temp_directory_path() / ("pruhomat-xdg-" + std::to_string(::getpid()));
    std::filesystem::create_directories(tools);
    const auto record = tools / "opened";
    {
        std::ofstream script(tools / "xdg-open");
        script << "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" << record.string() << "'\n";
    }
    std::filesystem::permissions(tools / "xdg-open", std::filesystem::perms::owner_all);
    // The links' programs are found on PATH; the tests after this one get it back as it was.
    struct PathRestored {
        std::string original = std::getenv("PATH");
        ~PathRestored() { setenv("PATH", original.c_str(), 1); }
    } path;
    setenv("PATH", (tools.string() + ":" + path.original).c_str(), 1);

    int openings = 0;
    const auto inAbout = [&](Fl_Window& about) {
        ++openings;
        auto& dialog = static_cast<fltk::FormWindow&>(about);
        EXPECT_STREQ(dialog.widget("Label1")->label(), "\nVirtuální pruhomat verze 1.0\nAutor: Zelvotron");
        EXPECT_EQ(Fl::focus(), dialog.widget("cmdOK"));
        // The palette lies outside the centred dialog.
        click("b5");
        EXPECT_EQ(state().num1, 9) << "the main window took a click under the dialog";

        if (openings == 1) {
            click(dialog, "Frame2");
            click(dialog, "Frame3");
        } else {
            // The links are stops of their own: Enter and Space open them; Tab goes on to OK.
            for (const unsigned long key : {XK_Tab, XK_Return, XK_Tab, XK_space, XK_Tab}) {
                pressKey(about, key);
            }
            EXPECT_EQ(Fl::focus(), dialog.widget("cmdOK"));
        }
        // The two programs run side by side, so either may write its line first.
        const std::string homePage = "http://zelvotron.example/www/zelvotron/Index.htm\n";
        const std::string mail = "mailto:autor@zelvotron.example\n";
        EXPECT_TRUE(waitFor([&] { return readFile(record).size() >= homePage.size() + mail.size(); }));
        const std::string opened = readFile(record);
        EXPECT_TRUE(opened == homePage + mail || opened == mail + homePage) << opened;
        EXPECT_TRUE(about.shown()) << "a link keeps the dialog open";
        pressKey(about, openings == 1 ? XK_Escape : XK_Return);
        EXPECT_FALSE(about.shown()) << (openings == 1 ? "Esc" : "Enter") << " closes the dialog";
    };
    click("p19");
    {
        WhenModal firstOpening(" O programu...", inAbout);
        click("Info_pr");
        EXPECT_TRUE(firstOpening.acted());
    }
    std::filesystem::remove(record);
    {
        WhenModal secondOpening(" O programu...", inAbout);
        click("Info_pr");
        EXPECT_TRUE(secondOpening.acted());
    }
    EXPECT_EQ(openings, 2);
    EXPECT_EQ(windowTitled(" O programu..."), nullptr);
    std::filesystem::remove_all(tools);
}

// How many pixels of a control's box on screen show the colour.
int pixelsOfColour(fltk::FormWindow& window, std::string_view name, Rgb colour) {
    const Capture screen = capture(window);
    const Fl_Widget* box = window.widget(name);
    const std::uint32_t wanted = static_cast<std::uint32_t>(colour.red) << 16 |
                                 static_cast<std::uint32_t>(colour.green) << 8 | colour.blue;
    int count = 0;
    for (int y = box->y(); y < box->y() + box->h(); ++y) {
        for (int x = box->x(); x < box->x() + box->w(); ++x) {
            count += screen.at(x, y) == wanted ? 1 : 0;
        }
    }
    return count;
}

// Capitals with Shift held.
void typeKeys(Fl_Window& window, const std::vector<unsigned long>& keysyms) {
    for (const unsigned long keysym : keysyms) {
        if (keysym >= XK_A && keysym <= XK_Z) {
            pressChord(window, {XK_Shift_L, keysym});
        } else {
            pressKey(window, keysym);
        }
    }
}

// The preview's shown lines, one label each.
std::string preview(fltk::FormWindow& dialog) {
    std::string lines;
    for (std::size_t line = 1; line <= FrmValue::previewLines; ++line) {
        const Fl_Widget& shown = *dialog.widget("lblPreview" + std::to_string(line));
        lines += shown.visible() ? (lines.empty() ? "" : "\n") + std::string(shown.label()) : "";
    }
    return lines;
}

// Ctrl+F, "4k7", Up in the list to 5 %, Enter: four bands, yellow, violet, red, gold, on screen.
TEST_F(ModalDialogs, TheValueDialogDrawsWhatIsTypedOnTheResistor) {
    WhenModal inDialog("Zadat hodnotu", [&](Fl_Window& shown) {
        auto& dialog = static_cast<fltk::FormWindow&>(shown);
        EXPECT_EQ(Fl::focus(), dialog.widget("txtValue"));
        typeKeys(dialog, {XK_4, XK_k, XK_7, XK_Tab, XK_Up});
        EXPECT_EQ(preview(dialog), "4,7 kΩ ±5 %\nžlutá, fialová, červená, zlatá\nkód RKM: 4K7J\nkódy SMD: 472, 4701\nřady E3, E6, E12, "
                                   "E24, E192");
        EXPECT_TRUE(dialog.widget("cmdOK")->active());
        pressKey(dialog, XK_Return);
        EXPECT_FALSE(dialog.shown()) << "Enter pressed OK";
    });
    pressChord(window(), {XK_Control_L, XK_f});
    ASSERT_TRUE(inDialog.acted());
    EXPECT_EQ(caption("vysl"), "4,7");
    EXPECT_TRUE(shown("kohm"));
    EXPECT_EQ(caption("presn"), "5");
    EXPECT_NE(static_cast<Fl_Button*>(window().widget("band4"))->value(), 0);
    const std::pair<const char*, Colour> bands[] = {{"p14", Colour::Yellow}, {"p27", Colour::Violet}, {"p32", Colour::Red}};
    for (const auto& [picture, colour] : bands) {
        EXPECT_GT(pixelsOfColour(window(), picture, reference::bandDrawing(colour)), 20) << picture;
    }
    // The tolerance bands have shades of their own: the gold one's is F7FBE8.
    EXPECT_GT(pixelsOfColour(window(), "pp5", {0xF7, 0xFB, 0xE8}), 20);
}

// Ctrl+F and keys alone: six bands, brown, black, black, red, brown, red from the lists. The
// field says what they read as, the drawing shows them, and OK draws the first five.
TEST_F(ModalDialogs, TheValueDialogTakesAPartByItsColoursFromTheKeys) {
    WhenModal inDialog("Zadat hodnotu", [&](Fl_Window& shown) {
        auto& dialog = static_cast<fltk::FormWindow&>(shown);
        typeKeys(dialog, {XK_Tab, XK_Tab, XK_Down, XK_Down, XK_Tab, XK_Tab, XK_Tab, XK_Tab, XK_Down, XK_Tab});
        typeKeys(dialog, std::vector<unsigned long>(8, XK_Up));
        typeKeys(dialog, {XK_Tab, XK_Down});
        EXPECT_STREQ(static_cast<Fl_Input*>(dialog.widget("txtValue"))->value(), "10 kΩ ±1 % 50 ppm/K");
        const std::pair<const char*, Colour> slots[] = {{"picSlot1", Colour::Brown}, {"picSlot2", Colour::Black},
                                                        {"picSlot3", Colour::Black}, {"picSlot4", Colour::Red},
                                                        {"picSlot6", Colour::Brown}, {"picSlot7", Colour::Red}};
        for (const auto& [slot, colour] : slots) {
            EXPECT_GT(pixelsOfColour(dialog, slot, reference::bandDrawing(colour)), 20) << slot;
        }
        pressKey(dialog, XK_Return);
    });
    pressChord(window(), {XK_Control_L, XK_f});
    ASSERT_TRUE(inDialog.acted());
    EXPECT_EQ(caption("vysl") + caption("presn"), "101");
    EXPECT_TRUE(shown("kohm") && shown("p42"));
}

// "472" is 472 Ω; Tab and Space read it as an SMD code, and Enter draws 4,7 kΩ.
TEST_F(ModalDialogs, TheValueDialogReadsAnSmdCodeWithOneKeyMore) {
    WhenModal inDialog("Zadat hodnotu", [&](Fl_Window& shown) {
        auto& dialog = static_cast<fltk::FormWindow&>(shown);
        typeKeys(dialog, {XK_4, XK_7, XK_2});
        EXPECT_EQ(preview(dialog).substr(0, preview(dialog).find('\n')), "472 Ω ±10 %");
        EXPECT_NE(preview(dialog).find("\njako kód SMD: 4,7 kΩ"), std::string::npos);
        typeKeys(dialog, {XK_Tab, XK_space});
        EXPECT_EQ(preview(dialog).substr(0, preview(dialog).find('\n')), "4,7 kΩ ±10 %");
        pressKey(dialog, XK_Return);
    });
    pressChord(window(), {XK_Control_L, XK_f});
    ASSERT_TRUE(inDialog.acted());
    EXPECT_EQ(caption("vysl"), "4,7");
    EXPECT_TRUE(shown("kohm"));
}

// "100M" and "abc" say why in the dialog; OK stays greyed, Enter does nothing and Esc leaves.
TEST_F(ModalDialogs, TheValueDialogRefusesWhatTheBandsCannotShow) {
    int showings = 0;
    const auto refuse = [&](std::vector<unsigned long> keys, const char* reason) {
        return [&, keys = std::move(keys), reason](Fl_Window& shown) {
            ++showings;
            auto& dialog = static_cast<fltk::FormWindow&>(shown);
            typeKeys(dialog, keys);
            EXPECT_EQ(preview(dialog), reason);
            EXPECT_FALSE(dialog.widget("cmdOK")->active());
            pressKey(dialog, XK_Return);
            EXPECT_TRUE(dialog.shown()) << "Enter on a greyed OK";
            pressKey(dialog, XK_Escape);
            EXPECT_FALSE(dialog.shown());
        };
    };
    {
        WhenModal inDialog("Zadat hodnotu", refuse({XK_1, XK_0, XK_0, XK_M}, "Největší hodnota je 99 MΩ."));
        pressChord(window(), {XK_Control_L, XK_f});
    }
    {
        WhenModal inDialog("Zadat hodnotu",
                           refuse({XK_a, XK_b, XK_c}, "Toto není hodnota: zkuste 4k7, 4,7 kΩ nebo 4700."));
        pressChord(window(), {XK_Control_L, XK_f});
    }
    EXPECT_EQ(showings, 2);
    EXPECT_EQ(caption("vysl"), "9,99");
    EXPECT_EQ(state().num5, 10);
}

}  // namespace
}  // namespace pruhomat::testing
