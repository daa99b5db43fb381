#include <string>
#include <vector>

#include "harness.h"
#include "module1.h"
#include "text.h"

namespace {

using pruhomat::testing::Driver;

struct ShellCall {
    HWND window;
    std::string operation;
    std::string file;
    std::string parameters;
    std::string directory;
    INT showCommand;
};

std::vector<ShellCall> shellCalls;

HINSTANCE WINAPI recordShellCall(HWND window, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                 INT showCommand) {
    shellCalls.push_back({window, operation, file, parameters, directory, showCommand});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

std::vector<HWND> childrenOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

std::string className(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return pruhomat::win32::utf8(name);
}

}  // namespace

WINDOW_TEST(ZeroRuleMessageBox) {
    driver.click("p19");
    driver.click("b0");
    HWND box = Driver::waitForWindow(L"#32770", L"O Programu...");
    CHECK(box != nullptr);
    if (box == nullptr) {
        return;
    }
    CHECK(GetWindow(box, GW_OWNER) == driver.mainWindow());
    bool promptShown = false;
    bool informationIcon = false;
    std::vector<HWND> buttons;
    for (HWND child : childrenOf(box)) {
        const std::string kind = className(child);
        if (kind == "Button" || kind == "BUTTON") {
            buttons.push_back(child);
        }
        promptShown = promptShown || driver.caption(child) == "Hodnotu '0' nelze v prvním poli použít...";
        const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        informationIcon =
            informationIcon || (icon != nullptr && icon == LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_INFORMATION)));
    }
    CHECK(promptShown);
    CHECK(informationIcon);
    CHECK_EQ(buttons.size(), std::size_t{1});
    if (!buttons.empty()) {
        CHECK_EQ(driver.caption(buttons.front()), std::string("OK"));
        PostMessageW(buttons.front(), BM_CLICK, 0, 0);
    }
    driver.settle();
    CHECK(FindWindowW(L"#32770", L"O Programu...") == nullptr);
    CHECK(driver.visible("p19"));
    CHECK(driver.visible("sipka1"));
}

WINDOW_TEST(AboutDialogIsModalOpensLinksAndClosesOnEscape) {
    shellCalls.clear();
    pruhomat::win32::shellExecuteA = recordShellCall;
    for (const WPARAM closingKey : {WPARAM{VK_ESCAPE}, WPARAM{VK_RETURN}}) {
        driver.pressButton("Info_pr");
        HWND dialog = Driver::waitForWindow(L"PruhomatForm", L" O programu...");
        CHECK(dialog != nullptr);
        if (dialog == nullptr) {
            break;
        }
        CHECK(!IsWindowEnabled(driver.mainWindow()));
        CHECK(GetWindow(dialog, GW_OWNER) == driver.mainWindow());
        pruhomat::forms::Form& about = pruhomat::testing::aboutLayout();
        auto handle = [&](const char* name) { return pruhomat::testing::aboutControl(dialog, name); };
        CHECK_EQ(driver.caption(handle("Label1")), std::string("\r\nVirtuální pruhomat verze 1.0\r\nAutor: Zelvotron"));
        CHECK(driver.focused() == handle("cmdOK"));

        shellCalls.clear();
        driver.click(dialog, about, "Frame2");
        driver.click(dialog, about, "Frame3");
        CHECK_EQ(shellCalls.size(), std::size_t{2});
        if (shellCalls.size() == 2) {
            CHECK(shellCalls[0].window == handle("Frame1"));
            CHECK_EQ(shellCalls[0].operation, std::string("open"));
            CHECK_EQ(shellCalls[0].file, std::string("http://zelvotron.example/www/zelvotron/Index.htm"));
            CHECK_EQ(shellCalls[0].parameters, std::string(""));
            CHECK_EQ(shellCalls[0].directory, std::string(""));
            CHECK_EQ(shellCalls[0].showCommand, 1);
            CHECK_EQ(shellCalls[1].file, std::string("mailto:autor@zelvotron.example"));
        }
        CHECK(IsWindowVisible(dialog));

        driver.pressKey(driver.focused(), closingKey);
        CHECK(!IsWindow(dialog));
        CHECK(IsWindowEnabled(driver.mainWindow()));
    }
}

WINDOW_TEST(KonecEndsTheProgram) {
    driver.pressButton("Exit_pr");
    CHECK(!IsWindowVisible(driver.mainWindow()));
}
