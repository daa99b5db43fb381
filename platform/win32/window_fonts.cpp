#include "window_fonts.h"

#include <algorithm>
#include <array>

#include "text.h"

#include "gdi_objects.h"

namespace pruhomat::win32 {
namespace {

constexpr std::array<const wchar_t*, 3> systemFaces{nullptr, L"MS Shell Dlg 2", L"MS Sans Serif"};

// Text drawn at the size of the dialog font: 8 points at 96 dots per inch.
constexpr int probePixels = 11;

LOGFONTW looksOf(forms::Face face, std::string_view name, int pixels, bool bold, int charset) {
    LOGFONTW looks{};
    looks.lfHeight = -pixels;
    looks.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    // The Central European character set: in the Western one some faces draw Ž without its caron.
    looks.lfCharSet = face == forms::Face::Named ? static_cast<BYTE>(charset) : EASTEUROPE_CHARSET;
    const std::wstring faceName = face == forms::Face::Named ? wide(name) : systemFaces.at(static_cast<std::size_t>(face));
    faceName.substr(0, LF_FACESIZE - 1).copy(looks.lfFaceName, LF_FACESIZE - 1);
    return looks;
}

// Whether the font has a glyph for every letter, and where a face is given, whether the system
// gave that face rather than a substitute of its own choosing.
bool drawsWith(HFONT font, const wchar_t* face, const std::wstring& letters) {
    HDC context = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(context, font);
    wchar_t given[LF_FACESIZE]{};
    GetTextFaceW(context, LF_FACESIZE, given);
    std::wstring glyphs(letters.size(), L'\0');
    GetGlyphIndicesW(context, letters.data(), static_cast<int>(letters.size()), reinterpret_cast<WORD*>(glyphs.data()),
                     GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(context, previous);
    ReleaseDC(nullptr, context);
    return (face == nullptr || lstrcmpiW(given, face) == 0) && glyphs.find(static_cast<wchar_t>(0xFFFF)) == std::wstring::npos;
}

// What a control draws in its font: its caption, or a list's items.
std::string ownText(const forms::Control& control) {
    std::string text = control.caption();
    for (const std::string& item : control.items()) {
        text += item;
    }
    return text;
}

}  // namespace

bool Fonts::draws(forms::Face face, std::string_view name, std::string_view text) const {
    const LOGFONTW looks = looksOf(face, name, probePixels, false, DEFAULT_CHARSET);
    HFONT font = gdi::font(looks);
    // Line breaks and spaces have no glyph of their own in some faces.
    std::wstring letters = wide(text);
    std::erase_if(letters, [](wchar_t letter) { return letter <= L' '; });
    const bool drawn = drawsWith(font, face == forms::Face::Named ? looks.lfFaceName : nullptr, letters);
    gdi::deleteObject(font);
    return drawn;
}

HFONT Fonts::fontFor(const forms::Control& control, const forms::PixelScale& scale) {
    return fontOf(forms::chooseFont(control.font, ownText(control), scale, *this));
}

HFONT Fonts::fontOf(const forms::FontChoice& choice) {
    const auto key = std::make_tuple(choice.face, std::string(choice.name), choice.pixels, choice.bold, choice.charset);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        const LOGFONTW looks = looksOf(choice.face, choice.name, choice.pixels, choice.bold, choice.charset);
        found = fonts_.emplace(key, gdi::font(looks)).first;
    }
    return found->second;
}

void Fonts::release() {
    for (const auto& [looks, font] : fonts_) {
        gdi::deleteObject(font);
    }
    fonts_.clear();
}

}  // namespace pruhomat::win32
