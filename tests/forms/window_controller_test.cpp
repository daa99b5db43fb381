#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "layout.h"
#include "window_controller.h"

namespace pruhomat::forms {
namespace {

// A window's native side that writes down what the controller asks of it.
class RecordedWindow final : public NativeWindow {
public:
    void applyChange(std::size_t, std::uint8_t) override {}
    void focusNative(std::size_t index) override { focused.push_back(index); }
    void showFocusMark(std::size_t, const Rect& mark) override { marks.push_back(mark); }
    WindowHandle nativeHandle(std::size_t index) override { return index; }
    void hideWindow() override {}

    std::vector<std::size_t> focused;
    std::vector<Rect> marks;
};

class QuietSession final : public Session {
public:
    void messageBox(std::string_view, std::string_view, MessageKind) override {}
    void openLink(WindowHandle, std::string_view) override {}
    void showModal(Form&) override {}
    void copyText(std::string_view) override {}
    int popupMenu(std::span<const MenuItem>) override { return noMenuItem; }

protected:
    void endProgram() override {}
    void dialogUnloaded(FormView&) override {}
};

constexpr std::array<LayoutRow, 3> layout{
    frame("palette", "", {0, 0, 1500, 1500}),
    label("swatch", "", {150, 150, 300, 300}).in("palette"),
    commandButton("ok", "OK", {0, 1500, 1500, 300}),
};
constexpr std::array<std::string_view, 2> tabOrder{"palette", "ok"};

struct Window {
    Window() {
        form.setTabOrder(tabOrder);
        form.control("swatch").onClick = [this] { ++swatchClicks; };
    }
    QuietSession session;
    Form form{{"window", "", 1500, 1800, FormBorder::FixedSingle}, layout};
    RecordedWindow native;
    WindowController controller{session, form, native, PixelScale(192)};
    int swatchClicks = 0;
};

TEST(WindowController, OpensOnTheFirstStopWithItsMarkHiddenUntilAKey) {
    Window window;
    window.controller.opened();
    EXPECT_EQ(window.native.focused, std::vector<std::size_t>{0});
    ASSERT_FALSE(window.native.marks.empty());
    EXPECT_TRUE(window.native.marks.back().isEmpty());
    window.controller.keyPressed({Key::Home});
    EXPECT_EQ(window.native.marks.back(), (Rect{0, 0, 200, 200})) << "the whole frame at twice the density";
    window.controller.keyPressed({Key::Tab});
    EXPECT_EQ(window.native.focused.back(), 2u);
    EXPECT_TRUE(window.native.marks.back().isEmpty()) << "the frame's mark goes with the keyboard";
}

TEST(WindowController, ClicksByTheFormsHitTestAndLeavesButtonsToTheToolkit) {
    Window window;
    EXPECT_TRUE(window.controller.pointerPressed(30, 30));
    window.controller.click(window.controller.pointerReleased(59, 59));
    EXPECT_EQ(window.swatchClicks, 1);
    EXPECT_TRUE(window.controller.pointerPressed(30, 30));
    window.controller.click(window.controller.pointerReleased(100, 100));
    EXPECT_EQ(window.swatchClicks, 1) << "released off the swatch";
    EXPECT_FALSE(window.controller.pointerPressed(30, 210)) << "the button takes the pointer itself";
}

TEST(WindowController, PlacesDialogsOnTheirOwnerElseOnTheScreen) {
    const Rect owner{100, 100, 400, 300};
    EXPECT_EQ(placeWindow(Placement::CentreOnOwner, 200, 100, {0, 0, 1000, 800}, &owner), (Rect{200, 200, 200, 100}));
    EXPECT_EQ(placeWindow(Placement::CentreOnOwner, 200, 100, {0, 0, 1000, 800}, nullptr), (Rect{400, 350, 200, 100}));
    EXPECT_EQ(placeWindow(Placement::CentreOnScreen, 200, 100, {0, 0, 1000, 800}, &owner), (Rect{400, 350, 200, 100}));
}

}  // namespace
}  // namespace pruhomat::forms
