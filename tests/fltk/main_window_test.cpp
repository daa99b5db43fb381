#include <FL/Fl_Tooltip.H>
#include <X11/keysym.h>

#include <cstdint>

#include "real_window.h"

namespace pruhomat::testing {
namespace {

using StartState = RealWindow;
using PointerEntry = RealWindow;

constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t black = 0x000000;

// The middle of the crescent of a band column, in window pixels: body row 40, and the crescent
// starting at column 1 (column 5 on the wider tolerance strip).
std::pair<int, int> bandCentre(const RealWindow::PixelRect& column, bool tolerance) {
    return {column.x + (tolerance ? 10 : 6), column.y + 40};
}

TEST_F(StartState, ShowsTheLoadedResistorAtTheLaidOutPixels) {
    const Capture screen = capture(window());
    ASSERT_EQ(screen.width, 425);
    ASSERT_EQ(screen.height, 221);
    auto& form = application->form1().form();
    for (const char* column : {"p19", "p29", "p39", "p4p"}) {
        const auto [x, y] = bandCentre(pixelRect(form, column), false);
        EXPECT_EQ(screen.at(x, y), white) << column;
    }
    const auto [tx, ty] = bandCentre(pixelRect(form, "pp10"), true);
    EXPECT_EQ(screen.at(tx, ty), white);

    const std::uint32_t swatches[] = {0x000000, 0x804000, 0xFF0000, 0xFF8000, 0xFFFF00,
                                      0x00C000, 0x0000FF, 0xC000C0, 0x808080, 0xFFFFFF};
    for (int row = 0; row < 10; ++row) {
        const auto rect = pixelRect(form, "b" + std::to_string(row));
        EXPECT_EQ(screen.at(rect.x + rect.width / 2, rect.y + rect.height / 2), swatches[row]) << "b" << row;
    }

    // No band is current at start: no arrow's shaft shows under any band.
    for (int band = 1; band <= 5; ++band) {
        const auto arrow = pixelRect(form, "sipka" + std::to_string(band));
        int ink = 0;
        for (int y = arrow.y + 14; y < arrow.y + 24; ++y) {
            for (int x = arrow.x + 8; x < arrow.x + 15; ++x) {
                ink += screen.at(x, y) == black ? 1 : 0;
            }
        }
        EXPECT_EQ(ink, 0) << "arrow " << band << " is not drawn";
    }

    const auto unit = pixelRect(form, "ohm");
    int inkInOhm = 0;
    int inkBeyond = 0;
    for (int y = unit.y + 8; y <= unit.y + 21; ++y) {
        for (int x = unit.x; x < unit.x + 33; ++x) {
            const bool ink = screen.at(x, y) == black;
            (x - unit.x <= 19 ? inkInOhm : inkBeyond) += ink ? 1 : 0;
        }
    }
    EXPECT_GT(inkInOhm, 20) << "the ohm glyph";
    EXPECT_EQ(inkBeyond, 0) << "no kilo or mega glyph";

    EXPECT_EQ(caption("vysl"), "9,99");
    EXPECT_EQ(caption("presn"), "10");
    EXPECT_EQ(caption("Label21"), "%");
    EXPECT_EQ(std::string(window().label()), "  Virtuální Pruhomat");
}

// Held over band 3 after red is entered, the pointer brings up FLTK's tooltip naming the colour.
TEST_F(PointerEntry, TheBandUnderThePointerNamesItsColour) {
    clicks({"p39", "b2"});
    const PixelRect band = pixelRect(window().form(), "p32");
    pointerTo(window(), band.x + band.width / 2, band.y + band.height / 2);
    const auto tipShown = [] {
        for (Fl_Window* shown = Fl::first_window(); shown != nullptr; shown = Fl::next_window(shown)) {
            if (shown->tooltip_window() && shown->visible()) {
                return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(waitFor([&] { return Fl_Tooltip::current() == window().widget("p32") && tipShown(); }));
    EXPECT_STREQ(Fl_Tooltip::current()->tooltip(), "Pásek 3: červená");
}

TEST_F(PointerEntry, FiveBandResistorWithAutomaticAdvance) {
    click("automat");
    ASSERT_TRUE(application->form1().form().control("automat").value());
    clicks({"b7", "b1", "b0", "b0", "b2"});
    EXPECT_TRUE(shown("p11"));
    EXPECT_TRUE(shown("p20"));
    EXPECT_TRUE(shown("p30"));
    EXPECT_TRUE(shown("p42"));
    EXPECT_EQ(std::string(application->form1().form().control("Paleta").caption()), "Paleta - Přesnost");
    EXPECT_TRUE(shown("sipka5"));
    click("b3");
    EXPECT_TRUE(shown("pp10"));
    EXPECT_FALSE(shown("pp1"));
    EXPECT_EQ(caption("vysl"), "10");
    EXPECT_TRUE(shown("kohm"));
    EXPECT_FALSE(shown("ohm"));
    EXPECT_TRUE(shown("sipka1"));
}

TEST_F(PointerEntry, FourBandResistorWithAutomaticAdvance) {
    click("band4");
    EXPECT_TRUE(shown("p4none"));
    EXPECT_FALSE(shown("p4p"));
    click("automat");
    clicks({"b9", "b4", "b7", "b7"});
    EXPECT_TRUE(shown("p3gold"));
    EXPECT_TRUE(shown("sipka5"));
    click("b2");
    EXPECT_EQ(caption("vysl"), "4,7");
    EXPECT_EQ(caption("presn"), "5");
    EXPECT_TRUE(shown("ohm"));
    EXPECT_TRUE(shown("pp5"));
}

TEST_F(PointerEntry, BandCountSwitchAndTheEmptyBandFour) {
    click("band4");
    ASSERT_TRUE(shown("p4none"));
    click("p4none");
    EXPECT_EQ(state().band, 0);
    EXPECT_FALSE(shown("sipka4"));
    click("band5");
    EXPECT_FALSE(shown("p4none"));
    EXPECT_TRUE(shown("p4p"));
    click("p4p");
    EXPECT_TRUE(shown("sipka4"));
    EXPECT_EQ(std::string(application->form1().form().control("Paleta").caption()), "Paleta - Exponent");
}

TEST_F(PointerEntry, ClicksOnPicturesNeverFallThrough) {
    click("pp10");
    EXPECT_TRUE(shown("sipka5"));
    click("p19");
    click("b2");
    click("ohm");
    click("ResistorL");
    EXPECT_EQ(state().band, 1);
    EXPECT_TRUE(shown("p12"));
}

TEST_F(PointerEntry, ResultButtonShowsTheUnitPicture) {
    click("p4p");
    click("b4");
    click("prog");
    EXPECT_EQ(caption("vysl"), "9,99");
    EXPECT_TRUE(shown("mohm"));
    EXPECT_FALSE(shown("sipka4"));
}

}  // namespace
}  // namespace pruhomat::testing
