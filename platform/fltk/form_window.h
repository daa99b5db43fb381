#pragma once

#include <FL/Fl_Double_Window.H>

#include <string_view>
#include <vector>

#include "form.h"
#include "session.h"
#include "scaling.h"
#include "widgets.h"

namespace pruhomat::fltk {

// One native window for a form: a widget per control, stacked as laid out, kept in step with
// the form after every event.
class FormWindow final : public Fl_Double_Window, public forms::FormView {
public:
    FormWindow(forms::Form& form, const forms::PixelScale& scale, ImageCache& images, forms::Session& session);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow() override;

    // Shows the window with the program's window class, by which desktops match it to its entry.
    void show() override;

    forms::Form& form() override { return form_; }
    forms::WindowHandle handleOf(std::size_t index) override {
        return reinterpret_cast<forms::WindowHandle>(widgets_.at(index));
    }
    void hide() override { Fl_Double_Window::hide(); }
    Fl_Widget* widget(std::string_view name) { return widgets_.at(form_.indexOf(name)); }

    // Updates exactly the widgets whose controls changed, then forgets the changes.
    void syncChanges() override;

    void centreOnScreen();
    void centreOn(const Fl_Window& owner);
    // A dialog opens with the keyboard on its first stop.
    void focusFirstStop();

    int handle(int event) override;

private:
    // Pushes, drags and releases on the controls that are no buttons; true where one took it.
    bool pointerEvent(int event);
    // A key that no widget took, decided by the core.
    bool keyEvent();
    // The control with the keyboard: an FLTK widget, or a frame that holds it while the window
    // itself has FLTK's focus.
    std::size_t focusedControl() const;
    void moveFocus(std::size_t index);
    void showFocusMarks();
    void syncControl(std::size_t index, std::uint8_t changed);
    void buildChildren(std::size_t parent);
    Fl_Widget* createWidget(std::size_t index);
    static Fl_Widget* createLabel(const forms::Control& control, int x, int y, int width, int height);
    static Fl_Widget* createInput(const forms::Control& control, int x, int y, int width, int height);
    static void applyInputLooks(Fl_Widget& widget, int fontPixels);
    static void syncInput(Fl_Widget& widget, const forms::Control& control, std::uint8_t changed);
    void inputChanged(std::size_t index);
    void focusInput(std::size_t index);
    void applyLooks(Fl_Widget& widget, const forms::Control& control);
    std::size_t hitTestAtPointer() const;
    forms::Rect pixelBox(std::size_t index);
    bool takesClicksItself(std::size_t index) const;
    static void onWidgetCallback(Fl_Widget* widget, void* data);

    forms::Form& form_;
    forms::PixelScale scale_;
    ImageCache& images_;
    forms::Session& session_;
    std::vector<Fl_Widget*> widgets_;
    forms::PointerPress pointer_;
    std::size_t keyStop_ = forms::noControl;
};

}  // namespace pruhomat::fltk
