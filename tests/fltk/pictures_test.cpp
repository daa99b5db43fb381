// GoogleTest first: X11 defines None, which it uses as a name.
#include "real_window.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <string>

#include "images.h"
#include "program.h"
#include "scaling.h"

namespace pruhomat::testing {
namespace {

using StartState = RealWindow;

// A screen whose desktop asks for 200 %, through Xft.dpi in the server's resources. The
// program reads them when it first opens the display, so the test command runs these tests in
// a process of their own.
class DenseScreen : public RealWindow {
protected:
    void SetUp() override {
        // Held open until the program has read it: the server forgets its resources when its
        // last client goes.
        settings_ = XOpenDisplay(nullptr);
        ASSERT_NE(settings_, nullptr);
        constexpr char resources[] = "Xft.dpi:\t192\n";
        XChangeProperty(settings_, DefaultRootWindow(settings_), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(resources), sizeof resources - 1);
        XSync(settings_, False);
        RealWindow::SetUp();
    }
    void TearDown() override {
        RealWindow::TearDown();
        XCloseDisplay(settings_);
    }

private:
    Display* settings_ = nullptr;
};

std::uint32_t packed(Rgb colour) {
    return static_cast<std::uint32_t>(colour.red) << 16 | static_cast<std::uint32_t>(colour.green) << 8 | colour.blue;
}

// Every shown picture box shows its picture at the density on the window's face colour, pixel
// for pixel, wherever no control in front covers it: no box, no margin, no crop.
void expectPicturesAsDrawn(fltk::FormWindow& window, int dpi) {
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
    Fl::get_color(FL_BACKGROUND_COLOR, red, green, blue);
    const Rgb face{red, green, blue};
    const forms::PixelScale scale(dpi);
    const Capture screen = capture(window);
    const forms::Form& form = window.form();
    for (std::size_t index = 0; index < form.controls().size(); ++index) {
        const forms::Control& control = form.controls()[index];
        const Fl_Widget* box = window.widget(control.name());
        if (control.picture() == ImageId::NoImage || !box->visible()) {
            continue;
        }
        const Image expected = scaledForDpi(onFace(image(control.picture()), face), dpi);
        EXPECT_LE(box->w(), expected.width) << control.name();
        EXPECT_LE(box->h(), expected.height) << control.name();
        int wrong = 0;
        for (int y = box->y(); y < box->y() + box->h(); ++y) {
            for (int x = box->x(); x < box->x() + box->w(); ++x) {
                if (form.hitTest(scale.twipsAt(x), scale.twipsAt(y)) != index) {
                    continue;
                }
                wrong += screen.at(x, y) != packed(expected.at(x - box->x(), y - box->y())) ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << control.name() << " differs from its picture";
    }
}

TEST_F(StartState, PicturesSitOnTheFaceColourWithNoBoxRoundThem) { expectPicturesAsDrawn(window(), 96); }

TEST_F(DenseScreen, PicturesFillTheirBoxesAtTwiceTheDensity) {
    ASSERT_EQ(fltk::scaleOfDisplay().dpi(), 192) << "run on a server with Xft.dpi 192";
    ASSERT_EQ(window().w(), 850);
    expectPicturesAsDrawn(window(), 192);
    // The tolerance column, 365 twips wide, is as wide as its picture: no column of background.
    EXPECT_EQ(window().widget("pp10")->w(), 48);
}

// The drawing at 200 % is the drawing at 100 % with every pixel doubled: the resistor's pictures
// and the frame's face between them, wherever no text is in front.
TEST_F(DenseScreen, TheDrawingIsTheStandardOneEnlargedTwice) {
    Program<fltk::FltkPort> standard(",", forms::PixelScale(forms::PixelScale::standardDpi));
    standard.mainWindow().position(0, 0);
    window().position(0, 240);
    standard.mainWindow().wait_for_expose();
    settle();
    const Capture plain = capture(standard.mainWindow());
    const Capture dense = capture(window());
    const forms::Form& form = window().form();
    const forms::PixelScale scale(forms::PixelScale::standardDpi);
    const std::size_t frame = form.indexOf("Resistor");
    forms::Rect drawing = form.rectOnForm(form.indexOf("ResistorL"));
    for (const std::size_t index : form.children(frame)) {
        if (form.controls()[index].picture() != ImageId::NoImage) {
            const forms::Rect box = form.rectOnForm(index);
            const int right = std::max(drawing.left + drawing.width, box.left + box.width);
            const int bottom = std::max(drawing.top + drawing.height, box.top + box.height);
            drawing = {std::min(drawing.left, box.left), std::min(drawing.top, box.top), 0, 0};
            drawing.width = right - drawing.left;
            drawing.height = bottom - drawing.top;
        }
    }
    std::string wrong;
    for (int y = scale.pixels(drawing.top); y < scale.pixels(drawing.top + drawing.height); ++y) {
        for (int x = scale.pixels(drawing.left); x < scale.pixels(drawing.left + drawing.width); ++x) {
            const std::size_t hit = form.hitTest(scale.twipsAt(x), scale.twipsAt(y));
            if (hit != frame && form.controls()[hit].picture() == ImageId::NoImage) {
                continue;
            }
            for (int corner = 0; corner < 4; ++corner) {
                if (dense.at(2 * x + corner % 2, 2 * y + corner / 2) != plain.at(x, y) && wrong.size() < 400) {
                    wrong += form.controls()[hit].name() + " " + std::to_string(x) + "," + std::to_string(y) + "+" +
                             std::to_string(corner) + "; ";
                }
            }
        }
    }
    EXPECT_EQ(wrong, "");
    standard.port().unload(standard.form1().form());
}

TEST_F(StartState, WindowClassIsTheProgramsName) {
    XClassHint classHint{};
    ASSERT_NE(XGetClassHint(fl_display, fl_xid(&window()), &classHint), 0);
    EXPECT_EQ(std::string(classHint.res_name), "pruhomat");
    EXPECT_EQ(std::string(classHint.res_class), "pruhomat");
    XFree(classHint.res_name);
    XFree(classHint.res_class);
}

}  // namespace
}  // namespace pruhomat::testing
