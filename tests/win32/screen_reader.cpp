// A screen reader in a process of its own: starts the program, reads the main window through
// Active Accessibility as a reader walks it at start, types an E96 code into the value dialog
// with the keys as a user does, reads the dialog and the bands OK drew, and closes the program.
//   win32_screen_reader PROGRAM
// Every shown object is heard once: no name twice, band 5 once with the colour in front, the
// result row once and never in pieces; each marking of "01C" a line heard whole.
#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "user_keys.h"

namespace {

using pruhomat::testing::waitUntil;
namespace user = pruhomat::testing::user;

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(std::max(size, 1)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.resize(result.size() - 1);
    return result;
}

// The name a reader speaks for a window, empty for one it passes over.
std::string heardName(HWND window) {
    IAccessible* object = nullptr;
    if (!IsWindowVisible(window) ||
        FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return {};
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT state{};
    BSTR name = nullptr;
    std::string heard;
    const bool invisible = SUCCEEDED(object->get_accState(self, &state)) && state.vt == VT_I4 &&
                           (state.lVal & STATE_SYSTEM_INVISIBLE) != 0;
    if (!invisible && SUCCEEDED(object->get_accName(self, &name)) && name != nullptr) {
        heard = utf8(name);
    }
    SysFreeString(name);
    object->Release();
    return heard;
}

BOOL CALLBACK collect(HWND window, LPARAM names) {
    if (std::string heard = heardName(window); !heard.empty()) {
        reinterpret_cast<std::vector<std::string>*>(names)->push_back(heard);
    }
    return TRUE;
}

HWND waitForMainWindow() {
    for (int tries = 0; tries < 300; ++tries) {
        if (HWND window = FindWindowW(L"PruhomatForm", L"  Virtu\u00e1ln\u00ed Pruhomat");
            window != nullptr && IsWindowVisible(window)) {
            return window;
        }
        Sleep(50);
    }
    return nullptr;
}

std::vector<std::string> heardIn(HWND window) {
    std::vector<std::string> heard;
    EnumChildWindows(window, collect, reinterpret_cast<LPARAM>(&heard));
    return heard;
}

bool heardAll(HWND window, const std::vector<std::string>& names) {
    const std::vector<std::string> heard = heardIn(window);
    return std::ranges::all_of(names, [&heard](const std::string& name) { return std::ranges::count(heard, name) == 1; });
}

// What a reader hears as a list's value: its chosen item.
std::string heardValue(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return {};
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR value = nullptr;
    std::string heard;
    if (SUCCEEDED(object->get_accValue(self, &value)) && value != nullptr) {
        heard = utf8(value);
    }
    SysFreeString(value);
    object->Release();
    return heard;
}

HWND childHeardAs(HWND dialog, const std::string& name) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (heardName(child) == name) {
            return child;
        }
    }
    return nullptr;
}

// "10k 10% 50ppm" typed over "01C", then "01C" again: the sixth band's list is heard as red,
// 50 ppm/K, and the drawing once, as one picture named by the bands.
int sixBandsHeard(HWND dialog) {
    for (const WORD key : {WORD{VK_BACK}, WORD{VK_BACK}, WORD{VK_BACK}, WORD{'1'}, WORD{'0'}, WORD{'K'}, WORD{VK_SPACE},
                           WORD{'1'}, WORD{'0'}}) {
        user::key(key);
    }
    user::chord({VK_SHIFT, '5'});
    for (const WORD key : {WORD{VK_SPACE}, WORD{'5'}, WORD{'0'}, WORD{'P'}, WORD{'P'}, WORD{'M'}}) {
        user::key(key);
    }
    const bool heard = waitUntil([dialog] {
        const HWND sixth = childHeardAs(dialog, "P\u00e1sek 6");
        return sixth != nullptr && heardValue(sixth) == "\u010derven\u00e1 50 ppm/K" &&
               heardAll(dialog, {"Sou\u010d\u00e1stka: hn\u011bd\u00e1, \u010dern\u00e1, \u010dern\u00e1, "
                                 "\u010derven\u00e1, st\u0159\u00edbrn\u00e1, \u010derven\u00e1"});
    });
    for (int typed = 0; typed < 13; ++typed) {
        user::key(VK_BACK);
    }
    user::key('0');
    user::key('1');
    user::chord({VK_SHIFT, 'C'});
    if (!heard) {
        std::printf("failure: the six bands not heard once each, in their lists and the drawing\n");
    }
    return heard && waitUntil([dialog] { return heardAll(dialog, {"10 k\u03a9 \u00b110 %"}); }) ? 0 : 1;
}

// Ctrl+F, "01C" and Enter from the keyboard: the dialog's lines, then the bands OK drew.
int valueDialogHeard(HWND window) {
    if (!waitUntil([window] { return GetForegroundWindow() == window; })) {
        std::printf("failure: the main window never became active\n");
        return 1;
    }
    user::chord({VK_CONTROL, 'F'});
    HWND dialog = nullptr;
    if (!waitUntil([&dialog] { return (dialog = FindWindowW(L"PruhomatForm", L"Zadat hodnotu")) != nullptr; })) {
        std::printf("failure: Ctrl+F opened no value dialog\n");
        return 1;
    }
    waitUntil([dialog] { return GetForegroundWindow() == dialog; });
    user::key('0');
    user::key('1');
    user::chord({VK_SHIFT, 'C'});
    int failures = 0;
    if (!waitUntil([dialog] { return heardAll(dialog, {"10 k\u03a9 \u00b110 %", "k\u00f3dy SMD: 103, 1002, 01C"}); })) {
        std::printf("failure: 01C not heard as 10 k\u03a9 with its SMD codes\n");
        ++failures;
    }
    failures += sixBandsHeard(dialog);
    user::key(VK_RETURN);
    const std::vector<std::string> drawn{"P\u00e1sek 1: hn\u011bd\u00e1", "P\u00e1sek 2: \u010dern\u00e1",
                                         "P\u00e1sek 3: oran\u017eov\u00e1", "P\u00e1sek 5: st\u0159\u00edbrn\u00e1",
                                         "10 k\u03a9, 10 %"};
    if (!waitUntil([window, &drawn] { return heardAll(window, drawn); })) {
        std::printf("failure: OK did not draw brown, black, orange, silver\n");
        ++failures;
    }
    return failures;
}

int judge(const std::vector<std::string>& heard) {
    std::map<std::string, int> times;
    int bandFive = 0;
    for (const std::string& name : heard) {
        std::printf("heard: %s\n", name.c_str());
        ++times[name];
        bandFive += name.rfind("P\u00e1sek 5: ", 0) == 0 ? 1 : 0;
    }
    int failures = 0;
    const auto expect = [&failures](bool holds, const std::string& what) {
        if (!holds) {
            std::printf("failure: %s\n", what.c_str());
            ++failures;
        }
    };
    for (const auto& [name, count] : times) {
        expect(count == 1, "\"" + name + "\" heard " + std::to_string(count) + " times");
    }
    expect(bandFive == 1, "band 5 heard " + std::to_string(bandFive) + " times");
    expect(times.contains("P\u00e1sek 5: st\u0159\u00edbrn\u00e1"), "band 5 heard without the colour in front");
    expect(times.contains("9,99 \u03a9, 10 %"), "the result row not heard whole");
    for (const char* piece : {"\u03a9", "10", "%", "9,99"}) {
        expect(!times.contains(piece), std::string("the result's piece \"") + piece + "\" heard alone");
    }
    return failures;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: win32_screen_reader PROGRAM\n");
        return 2;
    }
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &program)) {
        std::printf("failure: the program did not start (%lu)\n", GetLastError());
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int failures = 1;
    if (HWND window = waitForMainWindow(); window == nullptr) {
        std::printf("failure: the program showed no window\n");
    } else {
        WaitForInputIdle(program.hProcess, 10000);
        failures = judge(heardIn(window));
        failures += valueDialogHeard(window);
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    const bool ended = WaitForSingleObject(program.hProcess, 10000) == WAIT_OBJECT_0;
    if (!ended) {
        std::printf("failure: the program did not close\n");
        TerminateProcess(program.hProcess, 1);
    }
    CloseHandle(program.hThread);
    CloseHandle(program.hProcess);
    CoUninitialize();
    return failures == 0 && ended ? 0 : 1;
}
