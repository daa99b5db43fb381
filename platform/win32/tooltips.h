#pragma once

#include <windows.h>

#include <string>

namespace pruhomat::win32 {

// The common controls' tooltip window of a form's window: each control added shows a tip while
// the pointer rests on it, its text asked for each time it shows, so that it follows the
// control. It shows only while its window is active, never under a dialog.
class Tooltips {
public:
    Tooltips() = default;
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    // A tool for the child window of the owner; the tooltip window is made with the first.
    void add(HWND owner, HWND tool);
    // The owner's WM_NOTIFY: where it asks for a tool's text, the text given; false for others.
    bool answer(LPARAM notice, const std::wstring& text);
    // The tool a notice asks about, or null where it asks nothing of this window.
    HWND toolAskedFor(LPARAM notice) const;

private:
    HWND window_ = nullptr;
    std::wstring text_;
};

}  // namespace pruhomat::win32
