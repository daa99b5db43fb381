#include "layout.h"

#include <string>

namespace pruhomat::forms {

Control controlOf(const LayoutRow& row) {
    Control control(row.kind, std::string(row.name), row.rect);
    control.setCaption(row.caption);
    control.setVisible(row.visible);
    control.setValue(row.value);
    control.setBackground(row.background);
    control.setAccessibleName(row.accessibleName);
    control.alignment = row.alignment;
    control.border = row.border;
    control.font = row.font;
    control.foreground = row.foreground;
    control.setPicture(row.picture);
    control.isDefault = row.isDefault;
    control.isCancel = row.isCancel;
    control.partOfAnother = row.partOfAnother;
    control.longestText = row.longestText;
    control.setItems({row.items.begin(), row.items.end()});
    return control;
}

}  // namespace pruhomat::forms
