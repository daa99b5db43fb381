#include "window_controller.h"

namespace pruhomat::forms {

Rect placeWindow(Placement placement, int width, int height, const Rect& workArea, const Rect* owner) {
    const Rect& around = placement == Placement::CentreOnOwner && owner != nullptr ? *owner : workArea;
    return {around.left + (around.width - width) / 2, around.top + (around.height - height) / 2, width, height};
}

WindowController::WindowController(Session& session, Form& form, NativeWindow& native, PixelScale scale)
    : session_(session), form_(form), native_(native), scale_(scale) {
    session_.opened(*this);
}

WindowController::~WindowController() { session_.closed(*this); }

void WindowController::syncChanges() {
    bool marksMoved = form_.resized();
    if (marksMoved) {
        native_.resizeClient();
    }
    for (const std::size_t index : form_.changedControls()) {
        const PropertySet changed = form_.changedProperties(index);
        marksMoved = marksMoved || (changed & FocusMarkProperty) != 0;
        native_.applyChange(index, changed);
    }
    form_.clearChanges();
    if (marksMoved) {
        refreshFocusMarks();
    }
}

Rect WindowController::pixelBox(std::size_t index, bool inContainer, int pictureWidth, int pictureHeight) const {
    Rect box = scale_.box(form_.controls().at(index).rect(), pictureWidth, pictureHeight);
    const Rect onForm = form_.rectOnForm(index);
    if (!inContainer) {
        box.left = scale_.pixels(onForm.left);
        box.top = scale_.pixels(onForm.top);
    }
    return box;
}

void WindowController::opened() {
    cuesShown_ = false;
    focusOn(nextTabStop(form_, noControl, false));
}

bool WindowController::keyPressed(const KeyInput& key) {
    cuesShown_ = true;
    const KeyOutcome outcome = session_.keyPressed(*this, focused_, key);
    // The marks show from the first key on, wherever the keyboard goes.
    if (session_.isOpen(*this) && outcome.focus != noControl) {
        focusOn(outcome.focus);
    } else if (session_.isOpen(*this)) {
        refreshFocusMarks();
    }
    return outcome.handled;
}

void WindowController::focusMovedTo(std::size_t index) {
    if (index != focused_) {
        focused_ = index;
        refreshFocusMarks();
    }
}

void WindowController::focusOn(std::size_t index) {
    if (index == noControl) {
        return;
    }
    focused_ = index;
    native_.focusNative(index);
    refreshFocusMarks();
}

// The focused frame's mark, the whole frame where its control names no place, once the keyboard
// has been used in the window.
Rect WindowController::focusMarkOf(std::size_t frame) const {
    if (frame != focused_ || !cuesShown_ || !form_.controls()[frame].traits().isContainer) {
        return {};
    }
    const Rect& mark = form_.controls()[frame].focusMark();
    if (mark.isEmpty()) {
        const Rect& whole = form_.controls()[frame].rect();
        return {0, 0, scale_.pixels(whole.width), scale_.pixels(whole.height)};
    }
    return {scale_.pixels(mark.left), scale_.pixels(mark.top), scale_.pixels(mark.width), scale_.pixels(mark.height)};
}

void WindowController::refreshFocusMarks() {
    if (markedFrame_ != noControl && markedFrame_ != focused_) {
        native_.showFocusMark(markedFrame_, {});
    }
    markedFrame_ = noControl;
    if (focused_ != noControl && form_.controls()[focused_].traits().isContainer) {
        markedFrame_ = focused_;
        native_.showFocusMark(focused_, focusMarkOf(focused_));
    }
}

bool WindowController::pointerPressed(int x, int y, Pointer pointer) {
    // 20 pixels at 96 dots per inch, as far as a fingertip misses by.
    constexpr int fingerReach = 300;
    reach_ = pointer == Pointer::Touch ? fingerReach : 0;
    const std::size_t hit = form_.hitTest(scale_.twipsAt(x), scale_.twipsAt(y));
    if (hit != noControl && form_.controls()[hit].traits().takesPointerItself) {
        return false;
    }
    pointer_.press(form_.pressTarget(scale_.twipsAt(x), scale_.twipsAt(y), reach_));
    return true;
}

std::size_t WindowController::pointerReleased(int x, int y) {
    return pointer_.release(form_.pressTarget(scale_.twipsAt(x), scale_.twipsAt(y), reach_));
}

void WindowController::click(std::size_t index, KeyboardFollows follows) {
    if (index == noControl) {
        return;
    }
    if (follows == KeyboardFollows::Yes) {
        focusMovedTo(index);
    }
    session_.click(*this, index);
}

void WindowController::edited(std::size_t index, std::string_view text) { session_.edited(*this, index, text); }

void WindowController::chosen(std::size_t index, int item) { session_.chosen(*this, index, item); }

void WindowController::contextMenuAt(int x, int y) { session_.contextMenu(*this, scale_.twipsAt(x), scale_.twipsAt(y)); }

}  // namespace pruhomat::forms
