#pragma once

#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "control.h"
#include "form.h"
#include "platform_port.h"

namespace pruhomat::testing {

struct MessageBoxCall {
    std::string prompt;
    std::string title;
    forms::MessageKind kind;
};

struct LinkCall {
    forms::WindowHandle owner;
    std::string target;
};

// Stands in for a front-end: records every call and holds what waits for the user until the
// test answers. While a form is shown modally, whileModal acts as the user inside it; the form's
// answer runs once it is unloaded, after whileModal where that unloaded it.
class RecordingPort : public forms::PlatformPort {
public:
    void messageBox(std::string_view prompt, std::string_view title, forms::MessageKind kind,
                    std::function<void()> closed) override {
        messageBoxes.push_back({std::string(prompt), std::string(title), kind});
        openBoxes_.push_back(std::move(closed));
    }
    // The user closes the box shown first of those still open.
    void closeMessageBox() {
        std::function<void()> closed = std::move(openBoxes_.front());
        openBoxes_.erase(openBoxes_.begin());
        closed();
    }
    bool boxOpen() const { return !openBoxes_.empty(); }

    void openLink(forms::WindowHandle owner, std::string_view target) override {
        links.push_back({owner, std::string(target)});
    }

    void showModal(forms::Form& form, std::function<void()> closed) override {
        modalForms.push_back(form.looks().name);
        openModals_.push_back({&form, std::move(closed)});
        ++inWhileModal_;
        if (whileModal) {
            whileModal(form);
        }
        --inWhileModal_;
        answerUnloaded();
    }

    void unload(forms::Form& form) override {
        unloadedForms.push_back(form.looks().name);
        for (OpenModal& open : openModals_) {
            open.unloaded = open.unloaded || open.form == &form;
        }
        if (inWhileModal_ == 0) {
            answerUnloaded();
        }
    }

    forms::WindowHandle windowHandle(const forms::Control& control) override {
        return handleBase + std::hash<std::string>{}(control.name()) % 1000;
    }

    void copyText(std::string_view text) override { copiedTexts.emplace_back(text); }

    void popupMenu(std::span<const forms::MenuItem> items, const forms::MenuPlace& place,
                   std::function<void(int)> chosen) override {
        std::vector<std::string> texts;
        for (const forms::MenuItem& item : items) {
            texts.emplace_back(item.text);
        }
        menus.push_back(std::move(texts));
        menuPlaces.push_back(place);
        openMenu_ = std::move(chosen);
    }
    // The user chooses an item of the open menu, or noMenuItem to close it.
    void chooseMenuItem(int item) { std::exchange(openMenu_, nullptr)(item); }
    bool menuOpen() const { return static_cast<bool>(openMenu_); }

    static constexpr forms::WindowHandle handleBase = 0x10000;

    std::vector<MessageBoxCall> messageBoxes;
    std::vector<LinkCall> links;
    std::vector<std::string> modalForms;
    std::vector<std::string> copiedTexts;
    std::vector<std::vector<std::string>> menus;
    std::vector<forms::MenuPlace> menuPlaces;
    std::vector<std::string> unloadedForms;
    std::function<void(forms::Form&)> whileModal;

private:
    struct OpenModal {
        forms::Form* form;
        std::function<void()> closed;
        bool unloaded = false;
    };
    // The answers of the modal forms unloaded, last shown first.
    void answerUnloaded() {
        while (!openModals_.empty() && openModals_.back().unloaded) {
            std::function<void()> closed = std::move(openModals_.back().closed);
            openModals_.pop_back();
            closed();
        }
    }

    std::vector<std::function<void()>> openBoxes_;
    std::vector<OpenModal> openModals_;
    std::function<void(int)> openMenu_;
    int inWhileModal_ = 0;
};

}  // namespace pruhomat::testing
