#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "reader.h"

// Between the program and its accessibility module, which is loaded after the first paint so
// that its libraries cost start-up nothing. Only these classes cross: the program answers what a
// screen reader asks through ReaderWindow, and tells the module's ReaderBus what changed.
namespace pruhomat::fltk {

// The core's rules say what a reader is told; this is only how it crosses to the module.
using forms::ReaderStates;

// Pixels on the screen.
struct ReaderBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// One open window as a screen reader meets it; forms::noControl stands for the window itself.
class ReaderWindow {
public:
    virtual std::string title() = 0;
    // A message box rather than a window of the program's forms.
    virtual bool isAlert() = 0;
    virtual bool active() = 0;
    virtual std::size_t controlCount() = 0;
    // The controls a reader meets in a container, front first.
    virtual std::vector<std::size_t> children(std::size_t container) = 0;
    // The container a reader meets a control in.
    virtual std::size_t container(std::size_t index) = 0;
    virtual forms::ReaderRole role(std::size_t index) = 0;
    virtual std::string name(std::size_t index) = 0;
    // What a text box holds or a label shows.
    virtual std::string text(std::size_t index) = 0;
    virtual forms::ReaderStates states(std::size_t index) = 0;
    // The option buttons an option button is chosen among, itself included.
    virtual std::vector<std::size_t> group(std::size_t index) = 0;
    // A combo box's items and the one it shows (forms::noItem for none).
    virtual std::vector<std::string> items(std::size_t index) = 0;
    virtual int selectedItem(std::size_t index) = 0;
    virtual ReaderBox box(std::size_t index) = 0;
    virtual bool clickable(std::size_t index) = 0;
    // As the pointer clicks it.
    virtual void click(std::size_t index) = 0;
    // Where the reader's focus is, or noControl.
    virtual std::size_t focus() = 0;

protected:
    ~ReaderWindow() = default;
};

// The module's side: the windows and what changes in them.
class ReaderBus {
public:
    virtual void opened(ReaderWindow& window) = 0;
    virtual void closed(ReaderWindow& window) = 0;
    // A control's changed properties, forms::Property bits.
    virtual void changed(ReaderWindow& window, std::size_t index, forms::PropertySet properties) = 0;
    virtual void focusMoved(ReaderWindow& window) = 0;

protected:
    ~ReaderBus() = default;
};

// The module's one entry: puts the program on the accessibility bus and serves it from FLTK's
// loop, or gives null where there is no bus.
using ReaderBusEntry = ReaderBus* (*)();
inline constexpr const char* readerBusEntryName = "pruhomat_reader_bus";
inline constexpr const char* readerModuleName = "pruhomat-atk.so";

}  // namespace pruhomat::fltk
