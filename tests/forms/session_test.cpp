#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "layout.h"
#include "session.h"
#include "window_controller.h"

namespace pruhomat::forms {
namespace {

// What a front-end's window and port are asked to do, written down.
std::vector<std::string> calls;

class RecordedView final : public FormView {
public:
    RecordedView(Session& session, Form& form) : session_(session), form_(form) { session_.opened(*this); }
    ~RecordedView() { session_.closed(*this); }
    Form& form() override { return form_; }
    void syncChanges() override {
        calls.push_back("sync " + form_.looks().name);
        form_.clearChanges();
    }
    WindowHandle handleOf(std::size_t index) override { return 100 + index; }
    void hide() override { calls.push_back("hide " + form_.looks().name); }

private:
    Session& session_;
    Form& form_;
};

class RecordedEnds final : public WindowEnds {
public:
    void endProgram() override { calls.emplace_back("end"); }
    void dialogUnloaded(FormView& view) override { calls.push_back("dialog unloaded " + view.form().looks().name); }
};

// A session whose port records how forms end.
class RecordedSession final : public Session {
public:
    RecordedSession() : Session(ends_) {}

private:
    RecordedEnds ends_;
};

constexpr std::array<LayoutRow, 1> mainLayout{commandButton("go", "Go", {0, 0, 500, 300})};
constexpr std::array<LayoutRow, 2> dialogLayout{
    label("text", "", {0, 400, 500, 300}),
    commandButton("ok", "OK", {0, 0, 500, 300}).asDefault().asCancel(),
};

Form mainForm() { return Form({"main", "", 1000, 1000, FormBorder::FixedSingle}, mainLayout); }

Form dialogForm() { return Form({"dialog", "", 1000, 1000, FormBorder::FixedDialog}, dialogLayout); }

class Sessions : public ::testing::Test {
protected:
    void SetUp() override { calls.clear(); }

    RecordedSession session;
    Form main = mainForm();
    Form dialog = dialogForm();
};

TEST_F(Sessions, TheCloseBoxPressesTheCancelButtonOrUnloads) {
    RecordedView mainView(session, main);
    {
        RecordedView dialogView(session, dialog);
        dialog.control("ok").onClick = [&] { session.unload(dialog); };
        session.closeBox(dialogView);
        EXPECT_EQ(calls, (std::vector<std::string>{"dialog unloaded dialog", "sync main", "sync dialog"}));
        EXPECT_FALSE(session.isOpen(dialogView));
        EXPECT_TRUE(session.isOpen(mainView));
        EXPECT_EQ(session.windowHandle(dialog.control("ok")), 101u);
    }
    EXPECT_EQ(session.windowHandle(dialog.control("ok")), 0u) << "a closed window is no longer asked";
    EXPECT_EQ(session.windowHandle(main.control("go")), 100u) << "the one still open is";

    calls.clear();
    session.closeBox(mainView);
    EXPECT_EQ(calls, (std::vector<std::string>{"hide main", "end"}));
    session.unload(main);
    EXPECT_EQ(calls.size(), 2u) << "a form is unloaded once";
}

TEST_F(Sessions, EnterAndEscPressOnlyTheButtonsMarkedForThem) {
    RecordedView mainView(session, main);
    RecordedView dialogView(session, dialog);
    int pressed = 0;
    dialog.control("ok").onClick = [&] { ++pressed; };
    main.control("go").onClick = [&] { ++pressed; };
    EXPECT_TRUE(session.pressDefault(dialogView));
    EXPECT_TRUE(session.pressCancel(dialogView));
    EXPECT_FALSE(session.pressDefault(mainView));
    EXPECT_FALSE(session.pressCancel(mainView));
    EXPECT_EQ(pressed, 2);
    EXPECT_EQ(defaultButton(dialog), dialog.indexOf("ok"));
    EXPECT_EQ(cancelButton(main), noControl);
}

}  // namespace
}  // namespace pruhomat::forms

namespace pruhomat::forms {
namespace {

constexpr std::array<std::string_view, 3> listItems{"a", "b", "c"};
constexpr std::array<LayoutRow, 3> inputLayout{
    textBox("text", {0, 0, 500, 300}),
    comboBox("list", listItems, {0, 400, 500, 300}),
    commandButton("ok", "OK", {0, 800, 500, 300}).asDefault(),
};

// A dialog with an edit field, a list and a default button, in that tab order.
struct InputForm {
    InputForm() {
        const std::array<std::string_view, 3> order{"text", "list", "ok"};
        form.setTabOrder(order);
    }
    Form form{{"inputs", "", 1000, 1200, FormBorder::FixedDialog}, inputLayout};
};

// What the user typed or chose is on screen already: the handler runs, and the native control
// is not set again, which would move the caret or reopen the list.
TEST(Inputs, TypingAndChoosingRunTheHandlerWithoutChangingTheScreen) {
    RecordedSession session;
    InputForm dialog;
    Form& form = dialog.form;
    RecordedView view(session, form);
    std::vector<std::string> seen;
    form.control("text").onChange = [&] { seen.push_back(form.control("text").caption()); };
    form.control("list").onChange = [&] {
        seen.push_back(std::to_string(form.control("list").selectedItem()));
        form.control("ok").setEnabled(false);
    };
    form.clearChanges();
    session.edited(view, form.indexOf("text"), "4k7");
    EXPECT_TRUE(form.changedControls().empty());
    session.chosen(view, form.indexOf("list"), 2);
    EXPECT_EQ(seen, (std::vector<std::string>{"4k7", "2"}));
    EXPECT_FALSE(form.control("ok").enabled());

    bool clicked = false;
    form.control("ok").onClick = [&] { clicked = true; };
    session.pressDefault(view);
    form.click(form.indexOf("ok"));
    EXPECT_FALSE(clicked) << "a disabled button takes no click";
    EXPECT_EQ(nextTabStop(form, form.indexOf("list"), false), form.indexOf("text")) << "nor the keyboard";
}

// Up and Down step through the list and stop at its ends; the list on screen follows.
TEST(Inputs, ArrowsStepThroughAComboBoxsItems) {
    RecordedSession session;
    InputForm dialog;
    Form& form = dialog.form;
    RecordedView view(session, form);
    int changes = 0;
    form.control("list").onChange = [&] { ++changes; };
    const std::size_t list = form.indexOf("list");
    form.at(list).setSelectedItem(1);
    for (const Key key : {Key::Down, Key::Down, Key::Down, Key::Up}) {
        EXPECT_TRUE(session.keyPressed(view, list, {key}).handled);
    }
    EXPECT_EQ(form.at(list).selectedItem(), 1);
    EXPECT_EQ(changes, 2) << "the Down at the end changes nothing";
    EXPECT_FALSE(session.keyPressed(view, form.indexOf("text"), {Key::Down}).handled)
        << "an edit field's arrows are its own";
}

// A window's native side that writes down what the controller asks of it.
class RecordedWindow final : public NativeWindow {
public:
    void applyChange(std::size_t, PropertySet) override {}
    void focusNative(std::size_t index) override { focused.push_back(index); }
    void showFocusMark(std::size_t, const Rect& mark) override { marks.push_back(mark); }
    WindowHandle nativeHandle(std::size_t index) override { return index; }
    void hideWindow() override {}
    void resizeClient() override {}

    std::vector<std::size_t> focused;
    std::vector<Rect> marks;
};

constexpr std::array<LayoutRow, 3> controlledLayout{
    frame("palette", "", {0, 0, 1500, 1500}),
    label("swatch", "", {150, 150, 300, 300}).in("palette"),
    commandButton("ok", "OK", {0, 1500, 1500, 300}),
};
constexpr std::array<std::string_view, 2> controlledTabOrder{"palette", "ok"};

struct Window {
    Window() {
        form.setTabOrder(controlledTabOrder);
        form.control("swatch").onClick = [this] { ++swatchClicks; };
    }
    RecordedSession session;
    Form form{{"window", "", 1500, 1800, FormBorder::FixedSingle}, controlledLayout};
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
    window.controller.click(window.controller.pointerReleased(59, 59), WindowController::KeyboardFollows::No);
    EXPECT_EQ(window.swatchClicks, 1);
    EXPECT_TRUE(window.controller.pointerPressed(30, 30));
    window.controller.click(window.controller.pointerReleased(100, 100), WindowController::KeyboardFollows::No);
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
