#include "user_keys.h"

#include <iterator>
#include <vector>

namespace pruhomat::testing {
namespace user {

void key(WORD virtualKey) { chord({virtualKey}); }

void chord(std::initializer_list<WORD> virtualKeys) {
    std::vector<INPUT> inputs;
    for (const WORD virtualKey : virtualKeys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        inputs.push_back(input);
    }
    for (auto virtualKey = std::rbegin(virtualKeys); virtualKey != std::rend(virtualKeys); ++virtualKey) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *virtualKey;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof inputs[0]);
}

}  // namespace user

bool waitUntil(const std::function<bool()>& condition) {
    const ULONGLONG deadline = GetTickCount64() + settleTimeout;
    while (!condition()) {
        if (GetTickCount64() > deadline) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

}  // namespace pruhomat::testing
