#pragma once

#include <string_view>

#include "form.h"

// Clicks on a headless form as a front-end delivers them: on a control by its name, or at a
// point of the client area (twips) on whatever control is in front there.
namespace pruhomat::forms {

inline void click(Form& form, std::string_view name) { form.click(form.indexOf(name)); }

inline void clickAt(Form& form, int x, int y) {
    if (const std::size_t hit = form.hitTest(x, y); hit != noControl) {
        form.click(hit);
    }
}

}  // namespace pruhomat::forms
