#include "web_port.h"

#include <cmath>
#include <string>
#include <utility>

#include "page_calls.h"

namespace pruhomat::web {

std::unique_ptr<WebWindow> WebPort::openMainWindow(forms::Form& form) {
    auto window = std::make_unique<WebWindow>(*this, 0, form, -1);
    main_ = window.get();
    window->open();
    return window;
}

WebWindow* WebPort::window(int id) {
    if (main_ != nullptr && id == main_->id() && !ended_) {
        return main_;
    }
    for (Dialog& dialog : dialogs_) {
        if (dialog.window->id() == id && !dialog.unloaded) {
            return dialog.window.get();
        }
    }
    return nullptr;
}

// The same densities as the desktops: 144 dots per inch at a ratio of 1,5.
void WebPort::setPixelRatio(double ratio) {
    deviceDpi_ = static_cast<int>(std::lround(forms::PixelScale::standardDpi * (ratio > 0 ? ratio : 1.0)));
    if (main_ != nullptr) {
        main_->rescale(deviceDpi_);
    }
    for (Dialog& dialog : dialogs_) {
        dialog.window->rescale(deviceDpi_);
    }
}

void WebPort::messageBox(std::string_view prompt, std::string_view title, forms::MessageKind,
                         std::function<void()> closed) {
    openBox_ = std::move(closed);
    page::messageBox(prompt, title);
}

void WebPort::boxClosed() {
    if (auto closed = std::exchange(openBox_, nullptr)) {
        closed();
    }
}

// A web address in a new tab; the mail link as the browser hands mailto: to the mail program.
void WebPort::openLink(forms::WindowHandle, std::string_view target) { page::openLink(target); }

void WebPort::showModal(forms::Form& form, std::function<void()> closed) {
    dialogs_.push_back({std::make_unique<WebWindow>(*this, nextWindow_++, form, main_->id()), std::move(closed)});
    dialogs_.back().window->open();
}

void WebPort::copyText(std::string_view text) { page::copyText(text); }

// Below the place, in the window that asked for it; the items one a line.
void WebPort::popupMenu(std::span<const forms::MenuItem> items, const forms::MenuPlace& place,
                        std::function<void(int)> chosen) {
    std::string lines;
    for (const forms::MenuItem& item : items) {
        lines += (lines.empty() ? "" : "\n") + std::string(item.text);
    }
    openMenu_ = std::move(chosen);
    const WebWindow* asking = main_;
    for (const Dialog& dialog : dialogs_) {
        asking = &dialog.window->form() == place.form ? dialog.window.get() : asking;
    }
    page::popupMenu(asking->id(), asking->scale().pixels(place.x), asking->scale().pixels(place.y), lines);
}

void WebPort::menuChosen(int item) {
    if (auto chosen = std::exchange(openMenu_, nullptr)) {
        chosen(item);
    }
}

void WebPort::dialogUnloaded(forms::FormView& view) {
    for (Dialog& dialog : dialogs_) {
        dialog.unloaded = dialog.unloaded || &dialog.window->controller() == &view;
    }
}

void WebPort::settle() {
    while (!dialogs_.empty() && dialogs_.back().unloaded) {
        std::function<void()> closed = std::move(dialogs_.back().closed);
        dialogs_.pop_back();
        if (closed) {
            closed();
        }
    }
    session_.syncAll();
}

// A page may not close its own tab: it says the program has ended and offers to start it again.
void WebPort::endProgram() {
    ended_ = true;
    page::programEnded();
}

}  // namespace pruhomat::web
