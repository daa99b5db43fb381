#pragma once

#include <windows.h>

namespace pruhomat::win32 {

// An object that answers the messages of a window of one of our own classes: forms' windows,
// frames and pictures. The window's creation carries the object, and its every message after
// reaches the object, which leaves the window's own messages to DefWindowProc until it knows it.
class MessageTarget {
public:
    // Registers a class of ours the first time its name is asked for.
    static void registerClass(const wchar_t* name, HBRUSH background);
    // The object that answers a window's messages; none for a window of another class.
    static MessageTarget* of(HWND window);

    virtual LRESULT message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    MessageTarget() = default;
    ~MessageTarget() = default;
    // Marks a window of a system class as answered by this object too.
    void adopt(HWND window) { SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this)); }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace pruhomat::win32
