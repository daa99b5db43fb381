#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reader_window.h"

namespace pruhomat::fltk {

class FormWindow;

// A window as the core says a screen reader meets it, and the bus told of its changes once the
// accessibility module is loaded.
class FormReader final : public ReaderWindow {
public:
    explicit FormReader(FormWindow& window) : window_(window) {}
    FormReader(const FormReader&) = delete;
    FormReader& operator=(const FormReader&) = delete;
    ~FormReader();

    void opened();
    void changed(std::size_t index, forms::PropertySet properties);
    void followFocus();

    std::string title() override;
    bool isAlert() override { return false; }
    bool active() override;
    std::size_t controlCount() override;
    std::vector<std::size_t> children(std::size_t container) override;
    std::size_t container(std::size_t index) override;
    forms::ReaderRole role(std::size_t index) override;
    std::string name(std::size_t index) override;
    std::string text(std::size_t index) override;
    ReaderStates states(std::size_t index) override;
    std::vector<std::size_t> group(std::size_t index) override;
    std::vector<std::string> items(std::size_t index) override;
    int selectedItem(std::size_t index) override;
    ReaderBox box(std::size_t index) override;
    bool clickable(std::size_t index) override;
    void click(std::size_t index) override;
    std::size_t focus() override;

private:
    // The control a reader meets now for one it keeps: the front of a stack.
    std::size_t front(std::size_t index);

    FormWindow& window_;
    bool announced_ = false;
};

// The message box as a reader meets it while it is shown: an alert named by its title, with
// its text and its button.
class MessageReader final : public ReaderWindow {
public:
    MessageReader(std::string_view title, std::string_view prompt);
    MessageReader(const MessageReader&) = delete;
    MessageReader& operator=(const MessageReader&) = delete;
    ~MessageReader();

    std::string title() override { return title_; }
    bool isAlert() override { return true; }
    bool active() override { return true; }
    std::size_t controlCount() override { return 2; }
    std::vector<std::size_t> children(std::size_t container) override;
    std::size_t container(std::size_t) override { return forms::noControl; }
    forms::ReaderRole role(std::size_t index) override;
    std::string name(std::size_t index) override { return index == promptIndex ? prompt_ : "OK"; }
    std::string text(std::size_t index) override { return name(index); }
    ReaderStates states(std::size_t index) override;
    std::vector<std::size_t> group(std::size_t) override { return {}; }
    std::vector<std::string> items(std::size_t) override { return {}; }
    int selectedItem(std::size_t) override { return forms::noItem; }
    ReaderBox box(std::size_t index) override;
    bool clickable(std::size_t index) override { return index == buttonIndex; }
    void click(std::size_t index) override;
    std::size_t focus() override { return buttonIndex; }

private:
    static constexpr std::size_t promptIndex = 0;
    static constexpr std::size_t buttonIndex = 1;
    std::string title_;
    std::string prompt_;
    bool announced_ = false;
};

// Loads the accessibility module once, after the first paint; every window opened so far is
// announced. Without the module or a bus the program goes on as before and says nothing.
void loadReaderBusAfterPaint();

}  // namespace pruhomat::fltk
