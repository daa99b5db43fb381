#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "recording_port.h"
#include "session.h"

namespace pruhomat::testing {

// A form's window without a toolkit: it forgets each change once the session has seen it.
class HeadlessView final : public forms::FormView {
public:
    HeadlessView(forms::Session& session, forms::Form& form) : session_(session), form_(form) { session_.opened(*this); }
    HeadlessView(const HeadlessView&) = delete;
    HeadlessView& operator=(const HeadlessView&) = delete;
    ~HeadlessView() { session_.closed(*this); }

    forms::Form& form() override { return form_; }
    void syncChanges() override { form_.clearChanges(); }
    forms::WindowHandle handleOf(std::size_t index) override { return index; }
    void hide() override {}

private:
    forms::Session& session_;
    forms::Form& form_;
};

// The session the front-ends share, with every call of the platform recorded in `calls`, so
// that keys can be sent as a front-end sends them. A modal form gets a view of its own while
// whileModal acts in it.
class HeadlessSession final : public forms::PlatformPort, private forms::WindowEnds, public forms::Session {
public:
    HeadlessSession() : forms::Session(static_cast<forms::WindowEnds&>(*this)) {}

    void messageBox(std::string_view prompt, std::string_view title, forms::MessageKind kind) override {
        calls.messageBox(prompt, title, kind);
    }
    void openLink(forms::WindowHandle owner, std::string_view target) override { calls.openLink(owner, target); }
    void showModal(forms::Form& form) override {
        HeadlessView dialog(*this, form);
        calls.modalForms.push_back(form.looks().name);
        if (whileModal) {
            whileModal(dialog);
        }
    }
    void unload(forms::Form& form) override {
        calls.unload(form);
        Session::unload(form);
    }
    forms::WindowHandle windowHandle(const forms::Control& control) override { return Session::windowHandle(control); }
    void copyText(std::string_view text) override { calls.copyText(text); }
    int popupMenu(std::span<const forms::MenuItem> items) override { return calls.popupMenu(items); }

    RecordingPort calls;
    std::function<void(HeadlessView&)> whileModal;

private:
    void endProgram() override {}
    void dialogUnloaded(forms::FormView&) override {}
};

}  // namespace pruhomat::testing
