#include "form_reader.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "form_window.h"

namespace pruhomat::fltk {
namespace {

ReaderBus* bus = nullptr;
std::vector<FormReader*> readers;

// Beside the program in the build tree, in its own library folder once installed.
std::vector<std::string> moduleCandidates() {
    std::array<char, 4096> program{};
    const ssize_t length = readlink("/proc/self/exe", program.data(), program.size() - 1);
    const std::string path(program.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
    const std::size_t folderEnd = path.rfind('/');
    if (folderEnd == std::string::npos || folderEnd == 0) {
        return {};
    }
    const std::string folder = path.substr(0, folderEnd);
    const std::string parent = folder.substr(0, folder.rfind('/'));
    return {folder + "/" + readerModuleName, parent + "/lib/pruhomat/modules/" + readerModuleName};
}

void loadModule(void*) {
    for (const std::string& candidate : moduleCandidates()) {
        void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            continue;
        }
        const auto entry = reinterpret_cast<ReaderBusEntry>(dlsym(module, readerBusEntryName));
        bus = entry != nullptr ? entry() : nullptr;
        break;
    }
    for (FormReader* reader : readers) {
        reader->opened();
    }
}

}  // namespace

void loadReaderBusAfterPaint() {
    static bool scheduled = false;
    if (!scheduled) {
        scheduled = true;
        Fl::add_timeout(0.0, loadModule);
    }
}

FormReader::~FormReader() {
    std::erase(readers, this);
    if (bus != nullptr && announced_) {
        bus->closed(*this);
    }
}

void FormReader::opened() {
    if (std::ranges::find(readers, this) == readers.end()) {
        readers.push_back(this);
    }
    if (bus != nullptr && !announced_) {
        announced_ = true;
        bus->opened(*this);
    }
}

void FormReader::changed(std::size_t index, forms::PropertySet properties) {
    if (announced_) {
        const auto [stack, heard] = forms::heardChange(window_.form(), index, properties);
        bus->changed(*this, stack, heard);
    }
}

void FormReader::followFocus() {
    if (announced_) {
        bus->focusMoved(*this);
    }
}

std::string FormReader::title() { return window_.form().looks().caption; }

bool FormReader::active() { return Fl::first_window() == &window_; }

std::size_t FormReader::controlCount() { return window_.form().controls().size(); }

std::vector<std::size_t> FormReader::children(std::size_t container) {
    return forms::readerChildren(window_.form(), container);
}

std::size_t FormReader::container(std::size_t index) { return forms::readerContainer(window_.form(), front(index)); }

forms::ReaderRole FormReader::role(std::size_t index) { return forms::readerRole(window_.form(), front(index)); }

std::string FormReader::name(std::size_t index) { return forms::readerName(window_.form().controls().at(front(index))); }

std::string FormReader::text(std::size_t index) { return forms::readerText(window_.form().controls().at(front(index))); }

forms::ReaderStates FormReader::states(std::size_t index) {
    return forms::readerStates(window_.form(), front(index), window_.controller().focused());
}

std::vector<std::size_t> FormReader::group(std::size_t index) { return window_.form().optionGroup(index); }

std::vector<std::string> FormReader::items(std::size_t index) { return window_.form().controls().at(front(index)).items(); }

int FormReader::selectedItem(std::size_t index) { return window_.form().controls().at(front(index)).selectedItem(); }

ReaderBox FormReader::box(std::size_t index) {
    index = front(index);
    if (index == forms::noControl) {
        return {window_.x(), window_.y(), window_.w(), window_.h()};
    }
    const Fl_Widget& widget = *window_.widgetAt(index);
    return {window_.x() + widget.x(), window_.y() + widget.y(), widget.w(), widget.h()};
}

bool FormReader::clickable(std::size_t index) { return forms::readerClickable(window_.form().controls().at(front(index))); }

void FormReader::click(std::size_t index) { window_.controller().click(front(index), forms::WindowController::KeyboardFollows::No); }

std::size_t FormReader::focus() {
    const std::size_t focused = forms::readerFocus(window_.form(), window_.controller().focused());
    return focused == forms::noControl ? focused : forms::stackOf(window_.form(), focused);
}

std::size_t FormReader::front(std::size_t index) {
    return index == forms::noControl ? index : forms::frontOf(window_.form(), index);
}

MessageReader::MessageReader(std::string_view title, std::string_view prompt) : title_(title), prompt_(prompt) {
    if (bus != nullptr) {
        announced_ = true;
        bus->opened(*this);
    }
}

MessageReader::~MessageReader() {
    if (announced_) {
        bus->closed(*this);
    }
}

std::vector<std::size_t> MessageReader::children(std::size_t container) {
    return container == forms::noControl ? std::vector<std::size_t>{promptIndex, buttonIndex} : std::vector<std::size_t>{};
}

forms::ReaderRole MessageReader::role(std::size_t index) {
    return index == promptIndex ? forms::ReaderRole::Label : forms::ReaderRole::PushButton;
}

forms::ReaderStates MessageReader::states(std::size_t index) {
    const bool button = index == buttonIndex;
    return {.enabled = true, .shown = true, .heard = true, .focusable = button, .focused = button};
}

// The whole box: FLTK keeps the places of its message's parts to itself.
ReaderBox MessageReader::box(std::size_t) {
    const Fl_Window* shown = Fl::modal();
    return shown != nullptr ? ReaderBox{shown->x(), shown->y(), shown->w(), shown->h()} : ReaderBox{};
}

// As its button closes it.
void MessageReader::click(std::size_t index) {
    if (Fl_Window* shown = Fl::modal(); index == buttonIndex && shown != nullptr) {
        shown->hide();
    }
}

}  // namespace pruhomat::fltk
