#pragma once

#include <functional>
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

// Stands in for a front-end: records every call. While a form is shown modally, whileModal
// acts as the user inside it.
class RecordingPort : public forms::PlatformPort {
public:
    void messageBox(std::string_view prompt, std::string_view title, forms::MessageKind kind) override {
        messageBoxes.push_back({std::string(prompt), std::string(title), kind});
    }

    void openLink(forms::WindowHandle owner, std::string_view target) override {
        links.push_back({owner, std::string(target)});
    }

    void showModal(forms::Form& form) override {
        modalForms.push_back(form.looks().name);
        if (whileModal) {
            whileModal(form);
        }
    }

    void unload(forms::Form& form) override { unloadedForms.push_back(form.looks().name); }

    forms::WindowHandle windowHandle(const forms::Control& control) override {
        return handleBase + std::hash<std::string>{}(control.name()) % 1000;
    }

    void copyText(std::string_view text) override { copiedTexts.emplace_back(text); }

    int popupMenu(std::span<const forms::MenuItem> items) override {
        std::vector<std::string> texts;
        for (const forms::MenuItem& item : items) {
            texts.emplace_back(item.text);
        }
        menus.push_back(std::move(texts));
        return menuChoice;
    }

    static constexpr forms::WindowHandle handleBase = 0x10000;

    std::vector<MessageBoxCall> messageBoxes;
    std::vector<LinkCall> links;
    std::vector<std::string> modalForms;
    std::vector<std::string> copiedTexts;
    std::vector<std::vector<std::string>> menus;
    int menuChoice = forms::noMenuItem;
    std::vector<std::string> unloadedForms;
    std::function<void(forms::Form&)> whileModal;
};

}  // namespace pruhomat::testing
