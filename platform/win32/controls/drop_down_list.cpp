#include "drop_down_list.h"

#include "form_window.h"
#include "text.h"

namespace pruhomat::win32 {
namespace {

// What the field adds round its text, in pixels at 96 dots per inch, before the system says
// what it draws.
constexpr int fieldBorders = 6;

}  // namespace

void DropDownList::apply(forms::PropertySet changed) {
    if (changed & forms::ItemsProperty) {
        SendMessageW(handle(), CB_RESETCONTENT, 0, 0);
        addItems();
        place(window().pixelBox(index()));
    }
    if (changed & (forms::ValueProperty | forms::ItemsProperty)) {
        SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(control().selectedItem()), 0);
    }
    NativeControl::apply(changed & static_cast<forms::PropertySet>(~(forms::CaptionProperty | forms::ValueProperty)));
}

void DropDownList::place(const forms::Rect& box) {
    const auto rows = static_cast<int>(control().items().size());
    SetWindowPos(handle(), nullptr, box.left, box.top, box.width, box.height * (1 + rows), SWP_NOZORDER | SWP_NOACTIVATE);
    fitField(box.height);
}

bool DropDownList::keepsKeys() const { return SendMessageW(handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; }

void DropDownList::created() {
    addItems();
    SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(control().selectedItem()), 0);
}

void DropDownList::addItems() const {
    for (const std::string& item : control().items()) {
        SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
    }
}

void DropDownList::notified(WORD notification) {
    if (notification == CBN_SELCHANGE) {
        window().controller().chosen(index(), static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0)));
    }
}

// The field's own borders differ between systems: the height given is corrected by what shows.
void DropDownList::fitField(int height) const {
    int itemHeight = height - window().controller().scale().fromStandard(fieldBorders);
    SendMessageW(handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
    RECT field{};
    GetWindowRect(handle(), &field);
    itemHeight += height - (field.bottom - field.top);
    SendMessageW(handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
}

}  // namespace pruhomat::win32
