#pragma once

// Keys as the user presses them and waiting for what they bring about: for the tests in the
// program's process and for the screen reader in a process of its own.
#include <windows.h>

#include <functional>
#include <initializer_list>

namespace pruhomat::testing {

// As long as any test waits for the program to take in what it was given.
inline constexpr DWORD settleTimeout = 10000;

namespace user {
void key(WORD virtualKey);
// Holds the keys down in order and lets them go in reverse: a modifier first, as in Ctrl+C.
void chord(std::initializer_list<WORD> virtualKeys);
}  // namespace user

// True once the condition holds; false if it has not held within ten seconds.
bool waitUntil(const std::function<bool()>& condition);

}  // namespace pruhomat::testing
