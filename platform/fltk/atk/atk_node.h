#pragma once

#include <atk/atk.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "reader_window.h"

// The objects a reader meets through ATK, shared by the tree and the interfaces.
namespace pruhomat::fltk {

class AtkWindowTree;

// An item is one of a combo box's (index), the item-th.
enum class Node : std::uint8_t { Application, Window, Control, Item };

// An object of the tree. It asks its window's tree each time, so that once the window is gone
// (tree null) it answers only that it is defunct.
struct PruhomatAccessible {
    AtkObject parent;
    AtkWindowTree* tree;
    std::size_t index;
    int item;
    Node node;
};

struct PruhomatAccessibleClass {
    AtkObjectClass parent;
};

inline PruhomatAccessible* nodeOf(gpointer object) { return static_cast<PruhomatAccessible*>(object); }

// The objects of one open window, each made when a reader first asks for it.
class AtkWindowTree {
public:
    explicit AtkWindowTree(ReaderWindow& window)
        : window_(window), controls_(window.controlCount(), nullptr), items_(window.controlCount()) {}
    AtkWindowTree(const AtkWindowTree&) = delete;
    AtkWindowTree& operator=(const AtkWindowTree&) = delete;
    // Every object made turns defunct.
    ~AtkWindowTree();

    ReaderWindow& window() { return window_; }
    // The window's own object for forms::noControl.
    AtkObject* object(std::size_t index);
    // Null where no reader has asked for it yet.
    AtkObject* madeObject(std::size_t index) { return controls_.at(index); }
    AtkObject* parentOf(std::size_t index);
    // A combo box's items, made with the first asking; forgotten, turning defunct, when they change.
    const std::vector<AtkObject*>& itemsOf(std::size_t index);
    void forgetItems(std::size_t index);

    std::size_t readerFocus = forms::noControl;

private:
    ReaderWindow& window_;
    AtkObject* self_ = nullptr;
    std::vector<AtkObject*> controls_;
    std::vector<std::vector<AtkObject*>> items_;
};

// The open windows' trees, in the order they opened: the application's children.
std::vector<AtkWindowTree*>& openTrees();
AtkObject* accessibleApplication();

void initComponent(AtkComponentIface* component);
void initAction(AtkActionIface* action);
void initText(AtkTextIface* text);
void initSelection(AtkSelectionIface* selection);

}  // namespace pruhomat::fltk
