#pragma once

#include <windows.h>

#include <string>

namespace pruhomat::win32 {

// Puts text on the clipboard as CF_UNICODETEXT. Another program may hold the clipboard open for
// a moment (a clipboard manager, a remote desktop, one that is pasting), so a copy that finds it
// busy is tried again on a timer for a while, and only then given up with a warning beep. A newer
// copy takes the place of one still waiting.
class Clipboard {
public:
    Clipboard() = default;
    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;
    ~Clipboard() { stopTrying(); }

    // The owner window receives the clipboard's messages and carries the timer.
    void copy(HWND owner, std::wstring text);

private:
    static void CALLBACK tryAgain(HWND owner, UINT message, UINT_PTR timer, DWORD time);
    bool put() const;
    void stopTrying();

    HWND owner_ = nullptr;
    std::wstring text_;
    int triesLeft_ = 0;
};

}  // namespace pruhomat::win32
