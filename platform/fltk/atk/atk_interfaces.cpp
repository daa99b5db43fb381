#include <FL/Fl.H>

#include <algorithm>
#include <string>
#include <vector>

#include "atk_node.h"

// What a reader may ask of an object beyond its name, role and states: where it is, what
// clicking it does, the text it shows and a list's selection.
namespace pruhomat::fltk {
namespace {

// The window of a live window's or control's object, else null.
ReaderWindow* windowOf(gpointer object) {
    const PruhomatAccessible* node = nodeOf(object);
    return node->node == Node::Application || node->tree == nullptr ? nullptr : &node->tree->window();
}

bool isControl(gpointer object) { return nodeOf(object)->node == Node::Control && windowOf(object) != nullptr; }

void extentsOf(AtkComponent* component, gint* x, gint* y, gint* width, gint* height, AtkCoordType coordinates) {
    *x = *y = *width = *height = -1;
    ReaderWindow* window = windowOf(component);
    if (window == nullptr) {
        return;
    }
    const ReaderBox box = window->box(nodeOf(component)->index);
    const ReaderBox origin = coordinates == ATK_XY_SCREEN ? ReaderBox{} : window->box(forms::noControl);
    *x = box.x - origin.x;
    *y = box.y - origin.y;
    *width = box.width;
    *height = box.height;
}

gint countActions(AtkAction* action) {
    return isControl(action) && windowOf(action)->clickable(nodeOf(action)->index) ? 1 : 0;
}

const gchar* actionName(AtkAction* action, gint which) { return which == 0 && countActions(action) == 1 ? "click" : nullptr; }

// After the reader's call has been answered: a click may open a dialog with a loop of its own.
void clickLater(void* object) {
    if (isControl(object)) {
        windowOf(object)->click(nodeOf(object)->index);
    }
    g_object_unref(object);
}

gboolean doAction(AtkAction* action, gint which) {
    if (which != 0 || countActions(action) != 1) {
        return FALSE;
    }
    Fl::add_timeout(0.0, clickLater, g_object_ref(action));
    return TRUE;
}

std::string textOf(gpointer object) { return isControl(object) ? windowOf(object)->text(nodeOf(object)->index) : ""; }

gint countCharacters(AtkText* text) { return static_cast<gint>(g_utf8_strlen(textOf(text).c_str(), -1)); }

gchar* textBetween(AtkText* text, gint start, gint end) {
    const std::string shown = textOf(text);
    const gint count = static_cast<gint>(g_utf8_strlen(shown.c_str(), -1));
    const gint last = end < 0 || end > count ? count : end;
    const gint first = std::clamp(start, 0, last);
    return g_utf8_substring(shown.c_str(), first, last);
}

gunichar characterAt(AtkText* text, gint offset) {
    const std::string shown = textOf(text);
    if (offset < 0 || offset >= static_cast<gint>(g_utf8_strlen(shown.c_str(), -1))) {
        return 0;
    }
    return g_utf8_get_char(g_utf8_offset_to_pointer(shown.c_str(), offset));
}

// A list's selected items, or a combo box's chosen one.
std::vector<AtkObject*> selectedItems(gpointer list) {
    std::vector<AtkObject*> selected;
    if (!isControl(list)) {
        return selected;
    }
    ReaderWindow& window = *windowOf(list);
    AtkWindowTree& tree = *nodeOf(list)->tree;
    const std::size_t index = nodeOf(list)->index;
    if (window.role(index) == forms::ReaderRole::ComboBox) {
        const int chosen = window.selectedItem(index);
        if (chosen != forms::noItem) {
            selected.push_back(tree.itemsOf(index).at(static_cast<std::size_t>(chosen)));
        }
        return selected;
    }
    for (const std::size_t item : window.children(index)) {
        if (window.states(item).selected) {
            selected.push_back(tree.object(item));
        }
    }
    return selected;
}

gint countSelected(AtkSelection* list) { return static_cast<gint>(selectedItems(list).size()); }

AtkObject* referSelected(AtkSelection* list, gint which) {
    const std::vector<AtkObject*> selected = selectedItems(list);
    if (which < 0 || static_cast<std::size_t>(which) >= selected.size()) {
        return nullptr;
    }
    return static_cast<AtkObject*>(g_object_ref(selected[static_cast<std::size_t>(which)]));
}

gboolean isSelected(AtkSelection* list, gint which) {
    AtkObject* child = atk_object_ref_accessible_child(ATK_OBJECT(list), which);
    if (child == nullptr) {
        return FALSE;
    }
    const bool selected = std::ranges::count(selectedItems(list), child) > 0;
    g_object_unref(child);
    return selected ? TRUE : FALSE;
}

}  // namespace

void initComponent(AtkComponentIface* component) { component->get_extents = extentsOf; }

void initAction(AtkActionIface* action) {
    action->get_n_actions = countActions;
    action->get_name = actionName;
    action->do_action = doAction;
}

void initText(AtkTextIface* text) {
    text->get_text = textBetween;
    text->get_character_count = countCharacters;
    text->get_character_at_offset = characterAt;
    text->get_caret_offset = countCharacters;
}

void initSelection(AtkSelectionIface* selection) {
    selection->get_selection_count = countSelected;
    selection->ref_selection = referSelected;
    selection->is_child_selected = isSelected;
}

}  // namespace pruhomat::fltk
