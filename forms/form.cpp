#include "form.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace pruhomat::forms {
namespace {

// The text up to its first so many characters, never splitting one.
std::string_view firstCharacters(std::string_view text, std::size_t characters) {
    std::size_t end = 0;
    for (std::size_t taken = 0; end < text.size(); ++end) {
        const bool starts = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (starts && taken++ == characters) {
            break;
        }
    }
    return text.substr(0, end);
}

}  // namespace

Form::Form(FormLooks looks, std::span<const LayoutRow> layout) : looks_(std::move(looks)) {
    controls_.reserve(layout.size());
    children_.resize(layout.size() + 1);
    for (const LayoutRow& entry : layout) {
        Control& added = controls_.emplace_back(controlOf(entry));
        added.index_ = controls_.size() - 1;
        added.form_ = this;
        if (!entry.parent.empty()) {
            added.parent_ = indexOf(entry.parent);
        }
        children_[added.parent_ == noControl ? layout.size() : added.parent_].push_back(added.index_);
        if (!byName_.emplace(added.name(), added.index_).second) {
            throw std::logic_error("two controls named " + added.name());
        }
    }
    changed_.reserve(controls_.size());
}

std::size_t Form::indexOf(std::string_view name) const {
    const auto found = byName_.find(name);
    if (found == byName_.end()) {
        throw std::out_of_range("no control named " + std::string(name) + " on " + looks_.name);
    }
    return found->second;
}

Control& Form::control(std::string_view name) { return controls_[indexOf(name)]; }

const Control& Form::control(std::string_view name) const { return controls_[indexOf(name)]; }

const std::vector<std::size_t>& Form::children(std::size_t parent) const {
    return children_.at(parent == noControl ? controls_.size() : parent);
}

Rect Form::rectOnForm(std::size_t index) const {
    Rect rect = controls_.at(index).rect();
    for (std::size_t parent = controls_[index].parent(); parent != noControl; parent = controls_[parent].parent()) {
        rect.left += controls_[parent].rect().left;
        rect.top += controls_[parent].rect().top;
    }
    return rect;
}

bool Form::isShown(const Control& control) const {
    for (const Control* current = &control;; current = &controls_[current->parent()]) {
        if (!current->visible()) {
            return false;
        }
        if (current->parent() == noControl) {
            return true;
        }
    }
}

bool Form::isHeardAlone(std::size_t index) const {
    const Control& control = controls_.at(index);
    if (!isShown(control) || control.partOfAnother) {
        return false;
    }
    const Rect& own = control.rect();
    for (const std::size_t sibling : children(control.parent())) {
        if (sibling == index) {
            break;
        }
        const Rect& front = controls_[sibling].rect();
        const bool covers = front.left <= own.left && front.top <= own.top &&
                            front.left + front.width >= own.left + own.width &&
                            front.top + front.height >= own.top + own.height;
        if (controls_[sibling].visible() && covers) {
            return false;
        }
    }
    return true;
}

std::size_t Form::hitTestIn(std::size_t parent, int x, int y) const {
    for (const std::size_t index : children(parent)) {
        const Control& candidate = controls_[index];
        if (!candidate.visible() || !candidate.rect().contains(x, y)) {
            continue;
        }
        if (candidate.traits().isContainer) {
            const std::size_t inner = hitTestIn(index, x - candidate.rect().left, y - candidate.rect().top);
            return inner == noControl ? index : inner;
        }
        return index;
    }
    return noControl;
}

std::size_t Form::hitTest(int x, int y) const { return hitTestIn(noControl, x, y); }

std::size_t Form::pressTarget(int x, int y, int reach) const {
    const std::size_t hit = hitTest(x, y);
    const auto takesClick = [this](std::size_t index) {
        const Control& control = controls_[index];
        const bool clickable = control.onClick || control.traits().toggle != Toggle::Not || control.traits().isPushButton;
        return clickable && control.enabled() && isShown(control);
    };
    if (hit != noControl && takesClick(hit)) {
        return hit;
    }
    std::size_t nearest = hit;
    // Of two as near, the one in front: rows list each container's front first.
    long long nearestDistance = static_cast<long long>(reach) * reach + 1;
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        const Rect box = rectOnForm(index);
        const long long dx = std::max({box.left - x, 0, x - (box.left + box.width - 1)});
        const long long dy = std::max({box.top - y, 0, y - (box.top + box.height - 1)});
        if (dx * dx + dy * dy < nearestDistance && takesClick(index)) {
            nearest = index;
            nearestDistance = dx * dx + dy * dy;
        }
    }
    return nearest;
}

void Form::relayOut(const FormLooks& looks, std::span<const LayoutRow> layout) {
    if (layout.size() != controls_.size()) {
        throw std::logic_error("a layout of " + looks_.name + " lacks controls");
    }
    for (const LayoutRow& row : layout) {
        Control& placed = control(row.name);
        placed.setRect(row.rect);
        placed.setFont(row.font);
    }
    resized_ = resized_ || looks.clientWidth != looks_.clientWidth || looks.clientHeight != looks_.clientHeight;
    looks_.clientWidth = looks.clientWidth;
    looks_.clientHeight = looks.clientHeight;
}

std::vector<std::size_t> Form::optionGroup(std::size_t index) const {
    std::vector<std::size_t> options;
    if (controls_.at(index).traits().toggle == Toggle::Option) {
        std::ranges::copy_if(children(controls_[index].parent()), std::back_inserter(options),
                             [this](std::size_t sibling) { return controls_[sibling].traits().toggle == Toggle::Option; });
    }
    return options;
}

bool Form::inTabOrder(std::size_t index) const { return std::ranges::count(tabOrder_, index) > 0; }

void Form::setTabOrder(std::span<const std::string_view> names) {
    tabOrder_.clear();
    for (const std::string_view name : names) {
        tabOrder_.push_back(indexOf(name));
    }
}

void Form::click(std::size_t index) {
    Control& target = controls_.at(index);
    if (!isShown(target) || !target.enabled()) {
        return;
    }
    if (target.traits().toggle == Toggle::Check) {
        target.setValue(!target.value());
    } else if (target.traits().toggle == Toggle::Option) {
        if (target.value()) {
            return;
        }
        for (const std::size_t option : optionGroup(index)) {
            controls_[option].setValue(option == index);
        }
    }
    if (target.onClick) {
        target.onClick();
    }
}

void Form::edit(std::size_t index, std::string_view text) {
    Control& target = controls_.at(index);
    if (!isShown(target) || !target.enabled()) {
        return;
    }
    target.caption_ = target.longestText == 0 ? text : firstCharacters(text, target.longestText);
    if (target.onChange) {
        target.onChange();
    }
}

void Form::choose(std::size_t index, int item) {
    Control& target = controls_.at(index);
    if (!isShown(target) || !target.enabled()) {
        return;
    }
    target.selectedItem_ = item;
    if (target.onChange) {
        target.onChange();
    }
}

void Form::recordChange(Control& control, Property property) {
    if (control.changed_ == 0) {
        changed_.push_back(control.index_);
    }
    control.changed_ = static_cast<PropertySet>(control.changed_ | property);
}

void Form::clearChanges() {
    for (const std::size_t index : changed_) {
        controls_[index].changed_ = 0;
    }
    changed_.clear();
    resized_ = false;
}

}  // namespace pruhomat::forms
