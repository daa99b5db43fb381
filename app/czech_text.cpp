#include "czech_text.h"

#include <array>
#include <utility>

namespace pruhomat {

// The colour names start with a capital: a plain letter, or Č, Š or Ž.
std::string inLowerCase(std::string_view name) {
    constexpr std::array<std::pair<std::string_view, std::string_view>, 3> czechCapitals{
        {{"Č", "č"}, {"Š", "š"}, {"Ž", "ž"}}};
    for (const auto& [capital, small] : czechCapitals) {
        if (name.starts_with(capital)) {
            return std::string(small) + std::string(name.substr(capital.size()));
        }
    }
    std::string lower(name);
    if (!lower.empty() && lower[0] >= 'A' && lower[0] <= 'Z') {
        lower[0] = static_cast<char>(lower[0] - 'A' + 'a');
    }
    return lower;
}

}  // namespace pruhomat
