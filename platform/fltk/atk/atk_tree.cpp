#include <atk/atk.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "atk_node.h"

namespace pruhomat::fltk {
namespace {

void initWindow(AtkWindowIface*) {}

G_DEFINE_TYPE_WITH_CODE(PruhomatAccessible, pruhomat_accessible, ATK_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_COMPONENT, initComponent)
                            G_IMPLEMENT_INTERFACE(ATK_TYPE_ACTION, initAction)
                                G_IMPLEMENT_INTERFACE(ATK_TYPE_TEXT, initText)
                                    G_IMPLEMENT_INTERFACE(ATK_TYPE_SELECTION, initSelection)
                                        G_IMPLEMENT_INTERFACE(ATK_TYPE_WINDOW, initWindow))

// The core's reader roles in ATK's words; a new role fails to build here.
AtkRole atkRole(forms::ReaderRole role) {
    switch (role) {
        case forms::ReaderRole::PushButton:
            return ATK_ROLE_PUSH_BUTTON;
        case forms::ReaderRole::CheckBox:
            return ATK_ROLE_CHECK_BOX;
        case forms::ReaderRole::RadioButton:
            return ATK_ROLE_RADIO_BUTTON;
        case forms::ReaderRole::Text:
            return ATK_ROLE_ENTRY;
        case forms::ReaderRole::ComboBox:
            return ATK_ROLE_COMBO_BOX;
        case forms::ReaderRole::Label:
            return ATK_ROLE_LABEL;
        case forms::ReaderRole::Picture:
            return ATK_ROLE_IMAGE;
        case forms::ReaderRole::Grouping:
            return ATK_ROLE_PANEL;
        case forms::ReaderRole::Link:
            return ATK_ROLE_LINK;
        case forms::ReaderRole::List:
            return ATK_ROLE_LIST;
        case forms::ReaderRole::ListItem:
            return ATK_ROLE_LIST_ITEM;
    }
    return ATK_ROLE_UNKNOWN;
}

std::vector<AtkObject*> childrenOf(PruhomatAccessible* node) {
    std::vector<AtkObject*> children;
    if (node->node == Node::Application) {
        for (AtkWindowTree* tree : openTrees()) {
            children.push_back(tree->object(forms::noControl));
        }
    } else if (node->node == Node::Control && node->tree != nullptr &&
               node->tree->window().role(node->index) == forms::ReaderRole::ComboBox) {
        children = node->tree->itemsOf(node->index);
    } else if (node->tree != nullptr && node->node != Node::Item) {
        const std::size_t container = node->node == Node::Window ? forms::noControl : node->index;
        for (const std::size_t child : node->tree->window().children(container)) {
            children.push_back(node->tree->object(child));
        }
    }
    return children;
}

gint countChildren(AtkObject* object) { return static_cast<gint>(childrenOf(nodeOf(object)).size()); }

AtkObject* referChild(AtkObject* object, gint which) {
    const std::vector<AtkObject*> children = childrenOf(nodeOf(object));
    if (which < 0 || static_cast<std::size_t>(which) >= children.size()) {
        return nullptr;
    }
    return static_cast<AtkObject*>(g_object_ref(children[static_cast<std::size_t>(which)]));
}

AtkObject* parentOf(AtkObject* object) {
    PruhomatAccessible* node = nodeOf(object);
    switch (node->node) {
        case Node::Application:
            return nullptr;
        case Node::Window:
            return accessibleApplication();
        case Node::Item:
            return node->tree != nullptr ? node->tree->object(node->index) : nullptr;
        case Node::Control:
            break;
    }
    return node->tree != nullptr ? node->tree->parentOf(node->index) : nullptr;
}

gint indexInParent(AtkObject* object) {
    AtkObject* parent = parentOf(object);
    if (parent == nullptr) {
        return -1;
    }
    const std::vector<AtkObject*> siblings = childrenOf(nodeOf(parent));
    const auto found = std::ranges::find(siblings, object);
    return found == siblings.end() ? -1 : static_cast<gint>(found - siblings.begin());
}

// Each state the program reports, with ATK's states for it.
struct StateMeaning {
    bool ReaderStates::*reported;
    std::array<AtkStateType, 2> states;
};
constexpr std::array<StateMeaning, 9> stateMeanings{{
    {&ReaderStates::enabled, {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE}},
    {&ReaderStates::shown, {ATK_STATE_VISIBLE, ATK_STATE_SHOWING}},
    {&ReaderStates::focusable, {ATK_STATE_FOCUSABLE, ATK_STATE_FOCUSABLE}},
    {&ReaderStates::focused, {ATK_STATE_FOCUSED, ATK_STATE_FOCUSED}},
    {&ReaderStates::selectable, {ATK_STATE_SELECTABLE, ATK_STATE_SELECTABLE}},
    {&ReaderStates::selected, {ATK_STATE_SELECTED, ATK_STATE_SELECTED}},
    {&ReaderStates::checkable, {ATK_STATE_CHECKABLE, ATK_STATE_CHECKABLE}},
    {&ReaderStates::checked, {ATK_STATE_CHECKED, ATK_STATE_CHECKED}},
    {&ReaderStates::editable, {ATK_STATE_EDITABLE, ATK_STATE_SINGLE_LINE}},
}};

ReaderStates itemStates(const PruhomatAccessible& item) {
    ReaderWindow& window = item.tree->window();
    const ReaderStates box = window.states(item.index);
    const bool chosen = window.selectedItem(item.index) == item.item;
    return {.enabled = box.enabled, .shown = box.shown, .selectable = true, .selected = chosen};
}

AtkStateSet* referStates(AtkObject* object) {
    PruhomatAccessible* node = nodeOf(object);
    AtkStateSet* states = atk_state_set_new();
    if (node->node == Node::Application) {
        return states;
    }
    if (node->tree == nullptr) {
        atk_state_set_add_state(states, ATK_STATE_DEFUNCT);
        return states;
    }
    ReaderWindow& window = node->tree->window();
    const ReaderStates reported = node->node == Node::Window ? ReaderStates{.enabled = true, .shown = true}
                                  : node->node == Node::Item ? itemStates(*node)
                                                             : window.states(node->index);
    for (const StateMeaning& meaning : stateMeanings) {
        if (reported.*meaning.reported) {
            atk_state_set_add_states(states, const_cast<AtkStateType*>(meaning.states.data()), 2);
        }
    }
    if (node->node == Node::Window && window.active()) {
        atk_state_set_add_state(states, ATK_STATE_ACTIVE);
    }
    return states;
}

// Option buttons are members of their group.
AtkRelationSet* referRelations(AtkObject* object) {
    AtkRelationSet* relations = atk_relation_set_new();
    PruhomatAccessible* node = nodeOf(object);
    if (node->node != Node::Control || node->tree == nullptr) {
        return relations;
    }
    std::vector<AtkObject*> members;
    for (const std::size_t member : node->tree->window().group(node->index)) {
        members.push_back(node->tree->object(member));
    }
    if (!members.empty()) {
        AtkRelation* group = atk_relation_new(members.data(), static_cast<gint>(members.size()), ATK_RELATION_MEMBER_OF);
        atk_relation_set_add(relations, group);
        g_object_unref(group);
    }
    return relations;
}

void pruhomat_accessible_class_init(PruhomatAccessibleClass* type) {
    AtkObjectClass* object = ATK_OBJECT_CLASS(type);
    object->get_n_children = countChildren;
    object->ref_child = referChild;
    object->get_parent = parentOf;
    object->get_index_in_parent = indexInParent;
    object->ref_state_set = referStates;
    object->ref_relation_set = referRelations;
}

void pruhomat_accessible_init(PruhomatAccessible* node) {
    node->tree = nullptr;
    node->index = forms::noControl;
    node->item = forms::noItem;
    node->node = Node::Application;
}

AtkObject* newNode(AtkWindowTree* tree, std::size_t index, Node kind, AtkRole role, const std::string& name) {
    auto* node = nodeOf(g_object_new(pruhomat_accessible_get_type(), nullptr));
    node->tree = tree;
    node->index = index;
    node->node = kind;
    AtkObject* object = ATK_OBJECT(node);
    atk_object_set_role(object, role);
    atk_object_set_name(object, name.c_str());
    return object;
}

void makeDefunct(AtkObject* object) {
    if (object != nullptr) {
        nodeOf(object)->tree = nullptr;
        atk_object_notify_state_change(object, ATK_STATE_DEFUNCT, TRUE);
        g_object_unref(object);
    }
}

}  // namespace

std::vector<AtkWindowTree*>& openTrees() {
    static std::vector<AtkWindowTree*> trees;
    return trees;
}

AtkObject* accessibleApplication() {
    static AtkObject* application =
        newNode(nullptr, forms::noControl, Node::Application, ATK_ROLE_APPLICATION, "pruhomat");
    return application;
}

AtkWindowTree::~AtkWindowTree() {
    for (const std::vector<AtkObject*>& items : items_) {
        std::ranges::for_each(items, makeDefunct);
    }
    std::ranges::for_each(controls_, makeDefunct);
    makeDefunct(self_);
}

AtkObject* AtkWindowTree::object(std::size_t index) {
    if (index == forms::noControl) {
        if (self_ == nullptr) {
            const AtkRole role = window_.isAlert() ? ATK_ROLE_ALERT : ATK_ROLE_FRAME;
            self_ = newNode(this, index, Node::Window, role, window_.title());
        }
        return self_;
    }
    AtkObject*& object = controls_.at(index);
    if (object == nullptr) {
        const AtkRole role = atkRole(window_.role(index));
        object = newNode(this, index, Node::Control, role, window_.name(index));
    }
    return object;
}

AtkObject* AtkWindowTree::parentOf(std::size_t index) { return object(window_.container(index)); }

void AtkWindowTree::forgetItems(std::size_t index) {
    std::ranges::for_each(items_.at(index), makeDefunct);
    items_[index].clear();
}

const std::vector<AtkObject*>& AtkWindowTree::itemsOf(std::size_t index) {
    std::vector<AtkObject*>& items = items_.at(index);
    if (items.empty()) {
        const std::vector<std::string> names = window_.items(index);
        for (std::size_t item = 0; item < names.size(); ++item) {
            items.push_back(newNode(this, index, Node::Item, ATK_ROLE_MENU_ITEM, names[item]));
            nodeOf(items.back())->item = static_cast<int>(item);
        }
    }
    return items;
}

}  // namespace pruhomat::fltk
