#pragma once

#include <FL/Fl_Double_Window.H>

#include <functional>
#include <string_view>
#include <vector>

#include "form.h"
#include "scaling.h"
#include "widgets.h"

namespace pruhomat::fltk {

// One native window for a form: a widget per control, stacked as laid out, kept in step with
// the form after every event.
class FormWindow : public Fl_Double_Window {
public:
    struct Events {
        std::function<void()> afterEvent;         // brings every open window up to date
        std::function<void(FormWindow&)> closed;  // the window is going
    };

    FormWindow(forms::Form& form, const forms::PixelScale& scale, ImageCache& images, Events events);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow() override;

    // Shows the window with the program's window class, by which desktops match it to its entry.
    void show() override;

    forms::Form& form() { return form_; }
    Fl_Widget* widget(std::string_view name) { return widgets_.at(form_.indexOf(name)); }

    // Updates exactly the widgets whose controls changed, then forgets the changes.
    void syncChanges();

    void centreOnScreen();
    void focusDefaultButton();

    // A click as the user makes it, then the update of every open window.
    void clickControl(std::size_t index);

    int handle(int event) override;

private:
    void buildChildren(std::size_t parent);
    Fl_Widget* createWidget(std::size_t index);
    void applyLooks(Fl_Widget& widget, const forms::Control& control);
    std::size_t hitTestAtPointer() const;
    forms::Rect pixelBox(std::size_t index);
    bool takesClicksItself(std::size_t index) const;
    // The control marked by a flag such as isDefault; noControl where none is.
    std::size_t controlMarked(bool forms::Control::*flag) const;
    static void onWidgetCallback(Fl_Widget* widget, void* data);

    forms::Form& form_;
    forms::PixelScale scale_;
    ImageCache& images_;
    Events events_;
    std::vector<Fl_Widget*> widgets_;
    std::size_t pressed_ = forms::noControl;
};

}  // namespace pruhomat::fltk
