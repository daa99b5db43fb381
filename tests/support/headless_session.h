#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>
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
// whileModal acts in it; its answer runs once it is unloaded, after whileModal where that
// unloaded it. Message boxes and menus wait in `calls` for the test's answer.
class HeadlessSession final : public forms::PlatformPort, private forms::WindowEnds, public forms::Session {
public:
    HeadlessSession() : forms::Session(static_cast<forms::WindowEnds&>(*this)) {}

    void messageBox(std::string_view prompt, std::string_view title, forms::MessageKind kind,
                    std::function<void()> closed) override {
        calls.messageBox(prompt, title, kind, std::move(closed));
    }
    void openLink(forms::WindowHandle owner, std::string_view target) override { calls.openLink(owner, target); }
    void showModal(forms::Form& form, std::function<void()> closed) override {
        modals_.push_back(std::make_unique<Modal>(*this, form, std::move(closed)));
        calls.modalForms.push_back(form.looks().name);
        ++inWhileModal_;
        if (whileModal) {
            whileModal(modals_.back()->view);
        }
        --inWhileModal_;
        answerUnloaded();
    }
    void unload(forms::Form& form) override {
        calls.unload(form);
        Session::unload(form);
    }
    forms::WindowHandle windowHandle(const forms::Control& control) override { return Session::windowHandle(control); }
    void copyText(std::string_view text) override { calls.copyText(text); }
    void popupMenu(std::span<const forms::MenuItem> items, const forms::MenuPlace& place,
                   std::function<void(int)> chosen) override {
        calls.popupMenu(items, place, std::move(chosen));
    }

    RecordingPort calls;
    std::function<void(HeadlessView&)> whileModal;

private:
    struct Modal {
        Modal(forms::Session& session, forms::Form& form, std::function<void()> answer)
            : view(session, form), closed(std::move(answer)) {}
        HeadlessView view;
        std::function<void()> closed;
        bool unloaded = false;
    };

    void endProgram() override {}
    void dialogUnloaded(forms::FormView& view) override {
        for (const auto& modal : modals_) {
            modal->unloaded = modal->unloaded || &modal->view == &view;
        }
        if (inWhileModal_ == 0) {
            answerUnloaded();
        }
    }
    // Each unloaded dialog's view closes, then its answer runs, the last shown first.
    void answerUnloaded() {
        while (!modals_.empty() && modals_.back()->unloaded) {
            std::function<void()> closed = std::move(modals_.back()->closed);
            modals_.pop_back();
            closed();
        }
    }

    std::vector<std::unique_ptr<Modal>> modals_;
    int inWhileModal_ = 0;
};

}  // namespace pruhomat::testing
