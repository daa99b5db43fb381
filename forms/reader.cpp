#include "reader.h"

#include <algorithm>
#include <iterator>

#include "window_controller.h"

namespace pruhomat::forms {
namespace {

// A container Tab stops on is a list of the controls clicked in it.
bool isList(const Form& form, std::size_t index) {
    return form.controls()[index].traits().isContainer && form.inTabOrder(index);
}

bool insideList(const Form& form, std::size_t index) {
    const std::size_t parent = form.controls()[index].parent();
    return parent != noControl && isList(form, parent);
}

void collectHeard(const Form& form, std::size_t parent, std::vector<std::size_t>& heard) {
    for (const std::size_t child : form.children(parent)) {
        if (form.isHeardAlone(child)) {
            // A stack whose back picture shows past the front one is still one object.
            if (const std::size_t stack = stackOf(form, child); std::ranges::count(heard, stack) == 0) {
                heard.push_back(stack);
            }
        } else if (form.isShown(form.controls()[child]) && !form.children(child).empty()) {
            collectHeard(form, child, heard);
        }
    }
}

bool sameStack(const Form& form, std::size_t first, std::size_t second) {
    const Control& one = form.controls()[first];
    const Control& other = form.controls()[second];
    return one.traits().stacks && other.traits().stacks &&
           one.rect().left == other.rect().left && one.rect().top == other.rect().top;
}

}  // namespace

std::size_t stackOf(const Form& form, std::size_t index) {
    const std::vector<std::size_t>& siblings = form.children(form.controls().at(index).parent());
    const auto backmost = std::find_if(siblings.rbegin(), siblings.rend(),
                                       [&](std::size_t sibling) { return sameStack(form, sibling, index); });
    return backmost != siblings.rend() ? *backmost : index;
}

std::size_t frontOf(const Form& form, std::size_t stack) {
    for (const std::size_t sibling : form.children(form.controls().at(stack).parent())) {
        if (sameStack(form, sibling, stack) && form.isHeardAlone(sibling)) {
            return sibling;
        }
    }
    return stack;
}

// A label, picture or frame is what its kind says, unless a handler clicks it or Tab stops on it.
ReaderRole readerRole(const Form& form, std::size_t index) {
    const Control& control = form.controls().at(index);
    const KindTraits& kind = control.traits();
    const bool clickable = static_cast<bool>(control.onClick);
    if (kind.isContainer) {
        return isList(form, index) ? ReaderRole::List : clickable ? ReaderRole::Link : kind.role;
    }
    if (!kind.takesPointerItself && clickable) {
        return insideList(form, index) ? ReaderRole::ListItem : ReaderRole::PushButton;
    }
    return kind.role;
}

const std::string& readerName(const Control& control) {
    return control.accessibleName().empty() ? control.caption() : control.accessibleName();
}

std::vector<std::size_t> readerChildren(const Form& form, std::size_t parent) {
    std::vector<std::size_t> heard;
    collectHeard(form, parent, heard);
    return heard;
}

std::size_t readerContainer(const Form& form, std::size_t index) {
    std::size_t container = form.controls().at(index).parent();
    while (container != noControl && !form.isHeardAlone(container)) {
        container = form.controls()[container].parent();
    }
    return container;
}

std::size_t readerFocus(const Form& form, std::size_t focused) {
    if (focused == noControl || readerRole(form, focused) != ReaderRole::List) {
        return focused;
    }
    const std::vector<std::size_t> items = readerChildren(form, focused);
    const auto selected = std::ranges::find_if(
        items, [&form](std::size_t item) { return form.controls()[frontOf(form, item)].accessibleSelected(); });
    return selected != items.end() ? *selected : focused;
}

ReaderStates readerStates(const Form& form, std::size_t index, std::size_t focused) {
    const Control& control = form.controls().at(index);
    const ReaderRole role = readerRole(form, index);
    const bool listed = role == ReaderRole::List || role == ReaderRole::ListItem;
    const bool checkable = role == ReaderRole::CheckBox || role == ReaderRole::RadioButton;
    const std::size_t readerFocused = readerFocus(form, focused);
    return {.enabled = control.enabled(),
            .shown = form.isShown(control),
            .heard = form.isHeardAlone(index),
            .focusable = control.traits().takesPointerItself || listed,
            .focused = readerFocused != noControl && stackOf(form, readerFocused) == stackOf(form, index),
            .selectable = control.accessibleSelected() || role == ReaderRole::ListItem,
            .selected = control.accessibleSelected(),
            .checkable = checkable,
            .checked = checkable && control.value(),
            .editable = role == ReaderRole::Text};
}

std::string tooltipText(const Control& control) { return control.showsNameAsTooltip ? readerName(control) : ""; }

std::string chosenItem(const Control& control) {
    const int item = control.selectedItem();
    return item >= 0 && static_cast<std::size_t>(item) < control.items().size() ? control.items()[static_cast<std::size_t>(item)] : "";
}

const std::string& readerText(const Control& control) {
    return control.traits().role == ReaderRole::Text ? control.caption() : readerName(control);
}

bool readerClickable(const Control& control) {
    return static_cast<bool>(control.onClick) || (control.traits().takesPointerItself && !control.traits().isInputField);
}

std::pair<std::size_t, PropertySet> heardChange(const Form& form, std::size_t index, PropertySet properties) {
    const std::size_t stack = stackOf(form, index);
    const bool stacked = stack != index || frontOf(form, stack) != stack;
    if (stacked && (properties & VisibleProperty)) {
        properties = static_cast<PropertySet>((properties & ~VisibleProperty) | CaptionProperty | AccessibilityProperty);
    }
    return {stack, properties};
}

}  // namespace pruhomat::forms
