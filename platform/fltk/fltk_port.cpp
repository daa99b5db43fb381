#include "fltk_port.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/fl_ask.H>

#include <spawn.h>

#include <cctype>
#include <string>
#include <vector>

extern char** environ;

namespace pruhomat::fltk {
namespace {

// The colour FLTK paints a window's face in, round which the pictures must not show a box.
Rgb faceColour() {
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
    Fl::get_color(FL_BACKGROUND_COLOR, red, green, blue);
    return {red, green, blue};
}

}  // namespace

FltkPort::FltkPort(forms::PixelScale scale) : scale_(scale), images_(scale.dpi(), faceColour()) {}

std::unique_ptr<FormWindow> FltkPort::createWindow(forms::Form& form) {
    auto window = std::make_unique<FormWindow>(form, scale_, images_, *this);
    const Fl_RGB_Image* icons[] = {images_.icon(16), images_.icon(32)};
    window->icons(icons, 2);
    window->callback(onCloseBox, this);
    if (form.looks().placement == forms::Placement::CentreOnOwner && mainWindow_ != nullptr) {
        window->centreOn(*mainWindow_);
    } else {
        window->centreOnScreen();
    }
    return window;
}

std::unique_ptr<FormWindow> FltkPort::openMainWindow(forms::Form& form) {
    auto window = createWindow(form);
    window->show();
    mainWindow_ = window.get();
    return window;
}

int FltkPort::run(FormWindow&) { return Fl::run(); }

void FltkPort::copyText(std::string_view text) {
    const std::string copied(text);
    Fl::copy(copied.c_str(), static_cast<int>(copied.size()), 1);
    Fl::copy(copied.c_str(), static_cast<int>(copied.size()), 0);
}

// At the pointer for a click; below the widget with the keyboard for a key.
int FltkPort::popupMenu(std::span<const forms::MenuItem> items) {
    std::vector<std::string> labels;
    std::vector<Fl_Menu_Item> menu;
    labels.reserve(items.size());
    for (const forms::MenuItem& item : items) {
        labels.emplace_back(item.text);
    }
    for (std::size_t index = 0; index < items.size(); ++index) {
        Fl_Menu_Item entry{};
        entry.label(labels[index].c_str());
        const int letter = items[index].shortcutLetter;
        entry.shortcut(letter == 0 ? 0 : FL_CTRL | std::tolower(letter));
        menu.push_back(entry);
    }
    menu.push_back(Fl_Menu_Item{});
    const Fl_Menu_Item* chosen = nullptr;
    Fl_Widget* focused = Fl::focus();
    if (Fl::event() != FL_PUSH && focused != nullptr && focused->window() != nullptr) {
        const bool isWindow = focused->as_window() != nullptr;
        const int x = isWindow ? 0 : focused->x();
        const int y = isWindow ? 0 : focused->y() + focused->h();
        chosen = menu.front().popup(x, y);
    } else {
        chosen = menu.front().popup(Fl::event_x(), Fl::event_y());
    }
    return chosen == nullptr ? forms::noMenuItem : static_cast<int>(chosen - menu.data());
}

int FltkPort::messageBox(std::string_view prompt, std::string_view title, int) {
    const std::string text(prompt);
    const std::string caption(title);
    const char* closeLabel = fl_close;
    fl_close = "OK";
    fl_message_title(caption.c_str());
    fl_message("%s", text.c_str());
    fl_close = closeLabel;
    return forms::messageBoxAnswerOk;
}

void FltkPort::shellExecute(forms::WindowHandle, std::string_view, std::string_view file, std::string_view,
                            std::string_view, int) {
    std::string program = "xdg-open";
    std::string target(file);
    char* arguments[] = {program.data(), target.data(), nullptr};
    pid_t child = 0;
    // A failure to start it is ignored: the link simply does not open.
    posix_spawnp(&child, program.c_str(), nullptr, nullptr, arguments, environ);
}

void FltkPort::showModal(forms::Form& form) {
    auto window = createWindow(form);
    window->set_modal();
    window->show();
    window->focusFirstStop();
    while (window->shown()) {
        Fl::wait();
    }
}

void FltkPort::onCloseBox(Fl_Widget* widget, void* port) {
    static_cast<FltkPort*>(port)->closeBox(*static_cast<FormWindow*>(widget));
}

}  // namespace pruhomat::fltk
