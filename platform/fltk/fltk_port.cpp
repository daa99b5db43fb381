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
    auto window = std::make_unique<FormWindow>(form, scale_, images_, session_);
    const Fl_RGB_Image* icons[] = {images_.icon(windowIconSizes[0]), images_.icon(windowIconSizes[1])};
    window->icons(icons, 2);
    window->callback(onCloseBox, this);
    window->place(mainWindow_);
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

// At its place in the window that asked for it, which is the current one.
void FltkPort::popupMenu(std::span<const forms::MenuItem> items, const forms::MenuPlace& place,
                         std::function<void(int)> chosen) {
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
    // Every window here has the one scale.
    const Fl_Menu_Item* item = menu.front().popup(scale_.pixels(place.x), scale_.pixels(place.y));
    chosen(item == nullptr ? forms::noMenuItem : static_cast<int>(item - menu.data()));
}

void FltkPort::messageBox(std::string_view prompt, std::string_view title, forms::MessageKind,
                          std::function<void()> closed) {
    const std::string text(prompt);
    const std::string caption(title);
    const char* closeLabel = fl_close;
    fl_close = "OK";
    fl_message_title(caption.c_str());
    const MessageReader heard(title, prompt);
    fl_message("%s", text.c_str());
    fl_close = closeLabel;
    closed();
}

void FltkPort::openLink(forms::WindowHandle, std::string_view target) {
    std::string program = "xdg-open";
    std::string file(target);
    char* arguments[] = {program.data(), file.data(), nullptr};
    pid_t child = 0;
    // A failure to start it is ignored: the link simply does not open.
    posix_spawnp(&child, program.c_str(), nullptr, nullptr, arguments, environ);
}

void FltkPort::showModal(forms::Form& form, std::function<void()> closed) {
    auto window = createWindow(form);
    window->set_modal();
    window->show();
    while (window->shown()) {
        Fl::wait();
    }
    window.reset();
    closed();
}

void FltkPort::onCloseBox(Fl_Widget* widget, void* port) {
    static_cast<FltkPort*>(port)->session_.closeBox(static_cast<FormWindow*>(widget)->controller());
}

}  // namespace pruhomat::fltk
