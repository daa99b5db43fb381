#pragma once

#include <FL/Fl_Double_Window.H>

#include <string_view>
#include <vector>

#include "form.h"
#include "form_reader.h"
#include "session.h"
#include "widgets.h"
#include "window_controller.h"

namespace pruhomat::fltk {

// One native window for a form: a widget per control, stacked as laid out, each reached from
// its events through its user data. What the window does is its controller's.
class FormWindow final : public Fl_Double_Window, public forms::NativeWindow {
public:
    FormWindow(forms::Form& form, const forms::PixelScale& scale, ImageCache& images, forms::Session& session);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow() override = default;

    // Shows the window with the program's window class, by which desktops match it to its entry,
    // and the keyboard on its first stop.
    void show() override;

    forms::WindowController& controller() { return controller_; }
    forms::Form& form() { return controller_.form(); }
    Fl_Widget* widget(std::string_view name) { return widgets_.at(form().indexOf(name)); }
    Fl_Widget* widgetAt(std::size_t index) { return widgets_.at(index); }
    // Where the controller places the window: on the owner, or on the screen without one.
    void place(const Fl_Window* owner);

    int handle(int event) override;
    // Loads what puts the program on the accessibility bus, after the first paint.
    void draw() override;

    void applyChange(std::size_t index, forms::PropertySet changed) override;
    void focusNative(std::size_t index) override;
    void showFocusMark(std::size_t frame, const forms::Rect& mark) override;
    // The window itself for noControl.
    forms::WindowHandle nativeHandle(std::size_t index) override {
        return reinterpret_cast<forms::WindowHandle>(index == forms::noControl ? this : widgets_.at(index));
    }
    void hideWindow() override { hide(); }

private:
    // What a widget's user data points to.
    struct Adapter {
        FormWindow* window;
        std::size_t index;
    };

    void buildChildren(std::size_t parent);
    Fl_Widget* createWidget(std::size_t index);
    void applyFont(Fl_Widget& widget, const forms::Control& control);
    int handleEvent(int event);
    bool pointerEvent(int event);
    bool keyEvent();
    // FLTK moves its focus itself for the widgets it handles; the controller follows.
    void followToolkitFocus();
    static void onWidgetCallback(Fl_Widget* widget, void* adapter);

    ImageCache& images_;
    std::vector<Fl_Widget*> widgets_;
    std::vector<Adapter> adapters_;
    forms::WindowController controller_;
    // Declared after the controller, so that it goes first: readers' objects turn defunct while
    // the form is still there.
    FormReader reader_{*this};
};

}  // namespace pruhomat::fltk
