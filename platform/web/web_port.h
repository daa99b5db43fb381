#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "colour_code.h"
#include "platform_port.h"
#include "session.h"
#include "web_window.h"

namespace pruhomat::web {

// The platform as a page gives it: in-page windows for forms, an in-page message box and menu,
// the browser's clipboard and new tabs. Nothing here blocks: what waits for the user runs when
// the page reports the answer, and every window is brought up to date after it (settle).
class WebPort final : public forms::PlatformPort, private forms::WindowEnds {
public:
    using Window = WebWindow;

    WebPort(double pixelRatio, forms::ScreenShape shape) : shape_(shape) { setPixelRatio(pixelRatio); }

    std::unique_ptr<WebWindow> openMainWindow(forms::Form& form);
    // The page has no loop of the program's own: its events call in.
    int run(WebWindow&) { return 0; }

    forms::Session& session() { return session_; }
    // The window the page knows by the number; none once it has closed.
    WebWindow* window(int id);
    // The device's density: 96 dots per inch at a pixel ratio of 1, 144 at 1,5.
    int deviceDpi() const { return deviceDpi_; }
    void setPixelRatio(double ratio);
    Rgb face() const { return {0xF0, 0xF0, 0xF0}; }
    // The shape of the screen the windows are laid out for, as the page's size says.
    forms::ScreenShape screenShape() const { return shape_; }
    void setScreenShape(forms::ScreenShape shape) { shape_ = shape; }

    void messageBox(std::string_view prompt, std::string_view title, forms::MessageKind kind,
                    std::function<void()> closed) override;
    void openLink(forms::WindowHandle owner, std::string_view target) override;
    void showModal(forms::Form& form, std::function<void()> closed) override;
    void unload(forms::Form& form) override { session_.unload(form); }
    forms::WindowHandle windowHandle(const forms::Control& control) override { return session_.windowHandle(control); }
    void copyText(std::string_view text) override;
    void popupMenu(std::span<const forms::MenuItem> items, const forms::MenuPlace& place,
                   std::function<void(int)> chosen) override;

    // The user's answers, as the page reports them.
    void boxClosed();
    void menuChosen(int item);
    // After each event: dialogs unloaded go, their answers run, every window is brought up to date.
    void settle();
    bool ended() const { return ended_; }

private:
    struct Dialog {
        std::unique_ptr<WebWindow> window;
        std::function<void()> closed;
        bool unloaded = false;
    };

    void endProgram() override;
    void dialogUnloaded(forms::FormView& view) override;

    forms::Session session_{*this};
    WebWindow* main_ = nullptr;
    std::vector<Dialog> dialogs_;
    std::function<void()> openBox_;
    std::function<void(int)> openMenu_;
    int deviceDpi_ = forms::PixelScale::standardDpi;
    forms::ScreenShape shape_;
    int nextWindow_ = 1;
    bool ended_ = false;
};

}  // namespace pruhomat::web
