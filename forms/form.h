#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "control.h"
#include "keys.h"
#include "layout.h"
#include "platform_port.h"

namespace pruhomat::forms {

enum class FormBorder : std::uint8_t {
    FixedSingle,  // system menu, minimise and close
    FixedDialog,  // no minimise, no maximise
};

enum class Placement : std::uint8_t { CentreOnScreen, CentreOnOwner };

struct FormLooks {
    std::string name;
    std::string caption;
    int clientWidth = 0;  // twips
    int clientHeight = 0;
    FormBorder border = FormBorder::FixedSingle;
    Placement placement = Placement::CentreOnScreen;  // a dialog's owner is the main window
};

// A window's controls, found by designer name, with hit testing and change tracking.
class Form {
public:
    Form(FormLooks looks, std::span<const LayoutRow> layout);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormLooks& looks() const { return looks_; }

    Control& control(std::string_view name);
    const Control& control(std::string_view name) const;
    Control& at(std::size_t index) { return controls_.at(index); }
    const std::vector<Control>& controls() const { return controls_; }
    std::size_t indexOf(std::string_view name) const;
    bool owns(const Control& control) const { return control.form_ == this; }

    // The children of a container front first; noControl gives the form's own.
    const std::vector<std::size_t>& children(std::size_t parent) const;

    // A control's rectangle measured from the form's client area rather than its container.
    Rect rectOnForm(std::size_t index) const;

    // Shown on screen: visible itself and inside visible containers.
    bool isShown(const Control& control) const;
    // What a screen reader meets on its own: shown, not read out with another control, and not
    // wholly behind a shown control in front of it (of a stack of pictures, the front one).
    bool isHeardAlone(std::size_t index) const;

    // The front-most shown control at a point of the client area (twips), looking into frames;
    // noControl where the point hits the form itself.
    std::size_t hitTest(int x, int y) const;
    // What a press at the point takes: the control hit, or, where that takes no click, the
    // nearest shown and enabled control that does within reach (twips), as a finger's tap.
    std::size_t pressTarget(int x, int y, int reach) const;

    // The same controls laid out anew for another shape of screen: each takes the place and font
    // of the row of its name, the client area the looks' size; all they hold stays.
    void relayOut(const FormLooks& looks, std::span<const LayoutRow> layout);
    // The client area changed size since the last clearChanges.
    bool resized() const { return resized_; }

    // A click as the platform delivers it: hidden and disabled controls take none, a check box toggles,
    // an option button is selected before its handler runs and one already selected runs nothing.
    void click(std::size_t index);

    // What the user typed into a text box or chose in a combo box. The native control shows it
    // already, so it is no change to bring to the screen; onChange runs. Hidden and disabled
    // controls take none.
    void edit(std::size_t index, std::string_view text);
    void choose(std::size_t index, int item);

    // The controls Tab visits, in order. An option button is a stop only while it is selected,
    // so that each group of options is one stop; hidden controls are none.
    void setTabOrder(std::span<const std::string_view> names);
    const std::vector<std::size_t>& tabOrder() const { return tabOrder_; }
    // Whether Tab ever visits the control, shown or not.
    bool inTabOrder(std::size_t index) const;

    // The option buttons an option button is chosen among, itself included: those of its
    // container; none for another control.
    std::vector<std::size_t> optionGroup(std::size_t index) const;

    // The form's own keys, given the control with the keyboard (noControl for none); true where
    // the form took the key. Keys it leaves go to the common rules of the session.
    std::function<bool(std::size_t focused, const KeyInput& key)> onKey;
    // Asked for by the right mouse button, Shift+F10 or the Menu key, to open at the place.
    std::function<void(const MenuPlace& place)> onContextMenu;
    // Items for the window's own menu, where the platform has one (the system menu on Windows),
    // and the handler of a choice among them.
    std::span<const MenuItem> windowMenu;
    std::function<void(int item)> onWindowMenu;

    // The controls changed since the last clearChanges, each with its Property bits.
    const std::vector<std::size_t>& changedControls() const { return changed_; }
    PropertySet changedProperties(std::size_t index) const { return controls_.at(index).changed_; }
    void clearChanges();

private:
    friend class Control;
    void recordChange(Control& control, Property property);
    std::size_t hitTestIn(std::size_t parent, int x, int y) const;

    FormLooks looks_;
    std::vector<Control> controls_;
    std::vector<std::vector<std::size_t>> children_;  // by parent index, the form's own last
    std::unordered_map<std::string_view, std::size_t> byName_;
    std::vector<std::size_t> changed_;
    std::vector<std::size_t> tabOrder_;
    bool resized_ = false;
};

}  // namespace pruhomat::forms
