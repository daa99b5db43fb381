#include "clipboard.h"

#include <cstring>

namespace pruhomat::win32 {
namespace {

// About two seconds in all: long past what a pasting program holds it for, short enough that
// the beep still belongs to the key that asked.
constexpr UINT retryInterval = 50;
constexpr int retries = 40;

}  // namespace

void Clipboard::copy(HWND owner, std::wstring text) {
    stopTrying();
    owner_ = owner;
    text_ = std::move(text);
    if (!put()) {
        triesLeft_ = retries;
        // The timer's id is this object, which its procedure is given back.
        SetTimer(owner_, reinterpret_cast<UINT_PTR>(this), retryInterval, tryAgain);
    }
}

void CALLBACK Clipboard::tryAgain(HWND, UINT, UINT_PTR timer, DWORD) {
    auto& clipboard = *reinterpret_cast<Clipboard*>(timer);
    if (clipboard.put()) {
        clipboard.stopTrying();
    } else if (--clipboard.triesLeft_ == 0) {
        clipboard.stopTrying();
        MessageBeep(MB_ICONWARNING);
    }
}

bool Clipboard::put() const {
    if (!OpenClipboard(owner_)) {
        return false;
    }
    EmptyClipboard();
    const std::size_t bytes = (text_.size() + 1) * sizeof(wchar_t);
    bool taken = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(GlobalLock(memory), text_.c_str(), bytes);
        GlobalUnlock(memory);
        // The clipboard owns the memory once it has taken it.
        taken = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!taken) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
    return taken;
}

void Clipboard::stopTrying() {
    if (triesLeft_ > 0) {
        KillTimer(owner_, reinterpret_cast<UINT_PTR>(this));
        triesLeft_ = 0;
    }
}

}  // namespace pruhomat::win32
