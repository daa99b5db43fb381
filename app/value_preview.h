#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bands_for_value.h"
#include "colour_code.h"
#include "tolerance.h"

namespace pruhomat {

// What the value dialog shows of a typed value, line by line, and the resistor it draws.
struct ValuePreview {
    std::string value;         // "4,7 kΩ ±5 %", or why there is no value
    std::string bands;         // as the window draws them: "žlutá, fialová, červená, zlatá"
    std::string partBands;     // where a part carries others: "na součástce 3 pásky: žlutá, fialová, červená"
    std::string usualBands;    // where picked bands differ from the usual ones: "obvykle 5 pásků: …"
    std::string otherEnd;      // those bands read backwards: "obráceně: 120 Ω ±1 % (stejně pravděpodobné)"
    std::string code;          // "kód RKM: 4K7J"
    std::string smd;           // "kódy SMD: 472, 4701"
    std::string series;        // "řady E6, E12, E24", or the nearest values of E24 ...
    std::string nearestE96;    // ... and of E96 on a line of their own
    std::string otherReading;  // "jako kód SMD: 4,7 kΩ"
    std::vector<std::string> notes;  // why OK is greyed, what the window leaves out
    std::optional<DrawnResistor> drawn;
    std::vector<Colour> partColours;  // the part's bands: as picked, else as the value is marked
    bool picked = false;
    bool hasValue = false;  // the text reads as a value, whatever its bands
    std::optional<Tolerance> typedTolerance;  // where the text gives one ("±5 %")
    bool readsAsCode = false;                 // an SMD code reads the text as another value

    // The lines that say something, in the order shown.
    std::vector<std::string> lines() const;
};

// The tolerance typed after the value, if any, overrides the one chosen; `asCode` takes the
// SMD code's value where the text has one. Bands picked for the text's value are the part's:
// its lines and what OK draws follow them.
ValuePreview previewValue(std::string_view text, Tolerance tolerance, std::string_view decimalSeparator,
                          bool asCode = false, std::span<const Colour> picked = {});

}  // namespace pruhomat
