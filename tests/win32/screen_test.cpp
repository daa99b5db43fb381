#include <algorithm>
#include <string>

#include "dpi.h"
#include "harness.h"
#include "images.h"
#include "text.h"

// What reaches the screen: the pixels of the real windows, read back from the screen.

namespace {

using pruhomat::testing::Driver;
using pruhomat::testing::Screenshot;
namespace user = pruhomat::testing::user;
using pruhomat::testing::waitUntil;

// Dark enough for text, and darker than the shadow of an etched outline.
bool isInk(std::uint32_t pixel) {
    const auto channel = [pixel](int shift) { return static_cast<int>((pixel >> shift) & 0xFF); };
    return channel(16) + channel(8) + channel(0) < 3 * 0x50;
}

HFONT fontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)); }

// How far right a text has ink when drawn from the left edge in a font.
int inkWidthOfText(HFONT font, const std::wstring& text) {
    constexpr int width = 400;
    constexpr int height = 60;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC context = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(context, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previousBitmap = SelectObject(context, bitmap);
    HGDIOBJ previousFont = SelectObject(context, font);
    RECT all{0, 0, width, height};
    FillRect(context, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TextOutW(context, 0, 0, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    int right = 0;
    for (int index = 0; index < width * height; ++index) {
        if (isInk(pixels[index] & 0xFFFFFFu)) {
            right = std::max(right, index % width + 1);
        }
    }
    SelectObject(context, previousFont);
    SelectObject(context, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(context);
    return right;
}

// How far right the caption strip of a frame has ink, from the frame's left edge.
int captionInkWidth(HWND frame) {
    RECT bounds{};
    GetWindowRect(frame, &bounds);
    HDC context = GetDC(frame);
    HGDIOBJ previous = SelectObject(context, fontOf(frame));
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    SelectObject(context, previous);
    ReleaseDC(frame, context);
    bounds.bottom = bounds.top + metrics.tmHeight;
    const Screenshot strip = pruhomat::testing::screenshot(bounds);
    int right = 0;
    for (int y = bounds.top; y < bounds.bottom; ++y) {
        for (int x = bounds.left; x < bounds.right; ++x) {
            if (isInk(strip.at(x, y))) {
                right = std::max(right, static_cast<int>(x - bounds.left + 1));
            }
        }
    }
    return right;
}

// The characters of a text that the font has no glyph for.
std::wstring missingGlyphs(HFONT font, const std::wstring& text) {
    HDC context = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(context, font);
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(context, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(context, previous);
    ReleaseDC(nullptr, context);
    std::wstring missing;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (glyphs[index] == 0xFFFF && text[index] != L'\r' && text[index] != L'\n') {
            missing += text[index];
        }
    }
    return missing;
}

void checkGlyphsOfForm(Driver& driver, pruhomat::forms::Form& form, HWND window) {
    for (std::size_t index = 0; index < form.controls().size(); ++index) {
        const std::string& caption = form.controls()[index].caption();
        HWND control = GetDlgItem(window, pruhomat::win32::firstControlId + static_cast<int>(index));
        if (caption.empty() || control == nullptr) {
            continue;
        }
        CHECK_EQ(pruhomat::win32::utf8(missingGlyphs(fontOf(control), pruhomat::win32::wide(caption))),
                 std::string());
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT title = CreateFontIndirectW(&metrics.lfCaptionFont);
    CHECK_EQ(pruhomat::win32::utf8(missingGlyphs(title, pruhomat::win32::wide(driver.caption(window)))), std::string());
    DeleteObject(title);
}

struct Ink {
    int top = -1;    // the first row with ink, from the control's top
    int width = 0;   // columns with ink above a given row
};

// The ink of the first letter of a label: its top row, and its ink above a row.
Ink firstLetterInk(HWND label, int aboveRow) {
    const Screenshot shot = pruhomat::testing::screenshot(label);
    const RECT& area = shot.area;
    int column = area.left;
    while (column < area.right && [&] {
        for (int y = area.top; y < area.bottom; ++y) {
            if (isInk(shot.at(column, y))) {
                return false;
            }
        }
        return true;
    }()) {
        ++column;
    }
    Ink ink;
    for (bool inkInColumn = true; column < area.right && inkInColumn; ++column) {
        inkInColumn = false;
        bool inkAbove = false;
        for (int y = area.top; y < area.bottom; ++y) {
            if (isInk(shot.at(column, y))) {
                inkInColumn = true;
                const int row = static_cast<int>(y - area.top);
                ink.top = ink.top < 0 ? row : std::min(ink.top, row);
                inkAbove = inkAbove || row < aboveRow;
            }
        }
        ink.width += inkAbove ? 1 : 0;
    }
    return ink;
}

// The screen rectangles of the shown windows that lie in front of a child window.
std::vector<RECT> shownSiblingsInFront(HWND window) {
    std::vector<RECT> inFront;
    for (HWND sibling = GetWindow(window, GW_HWNDPREV); sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDPREV)) {
        if (IsWindowVisible(sibling)) {
            RECT bounds{};
            GetWindowRect(sibling, &bounds);
            inFront.push_back(bounds);
        }
    }
    return inFront;
}

// Every picture box in front shows its picture at the window's density on the face colour,
// pixel for pixel, with no background of another colour round it.
void checkPictures(Driver& driver) {
    const int dpi = static_cast<int>(pruhomat::win32::windowDpi(driver.mainWindow()));
    const COLORREF faceRef = GetSysColor(COLOR_BTNFACE);
    const pruhomat::Rgb face{GetRValue(faceRef), GetGValue(faceRef), GetBValue(faceRef)};
    const pruhomat::forms::Form& form = driver.application().form1().form();
    for (const auto& control : form.controls()) {
        HWND box = driver.handleOf(control.name());
        if (control.picture() == pruhomat::ImageId::NoImage || !IsWindowVisible(box)) {
            continue;
        }
        const pruhomat::Image expected = pruhomat::scaledForDpi(pruhomat::onFace(pruhomat::image(control.picture()), face), dpi);
        const Screenshot shot = pruhomat::testing::screenshot(box);
        CHECK(shot.width() <= expected.width && shot.height() <= expected.height);
        int wrong = 0;
        std::string first;
        const std::vector<RECT> inFront = shownSiblingsInFront(box);
        for (int y = shot.area.top; y < shot.area.bottom; ++y) {
            for (int x = shot.area.left; x < shot.area.right; ++x) {
                if (std::ranges::any_of(inFront, [&](const RECT& front) { return PtInRect(&front, POINT{x, y}); })) {
                    continue;  // a neighbour in front covers it
                }
                const pruhomat::Rgb want = expected.at(x - shot.area.left, y - shot.area.top);
                const std::uint32_t wanted = static_cast<std::uint32_t>(want.red) << 16 |
                                             static_cast<std::uint32_t>(want.green) << 8 | want.blue;
                if (shot.at(x, y) != wanted && wrong++ == 0) {
                    first = " first at " + std::to_string(x - shot.area.left) + "," + std::to_string(y - shot.area.top);
                }
            }
        }
        CHECK_EQ(control.name() + ": " + std::to_string(wrong) + " wrong pixels" + first,
                 control.name() + ": 0 wrong pixels");
    }
}

}  // namespace

WINDOW_TEST(PaletteCaptionFollowsThePaletteOnScreen) {
    HWND palette = driver.handleOf("Paleta");
    const int indent = MulDiv(8, static_cast<int>(pruhomat::win32::windowDpi(palette)), 96);
    const auto inkFits = [&](const wchar_t* caption) {
        return captionInkWidth(palette) == indent + inkWidthOfText(fontOf(palette), caption);
    };
    CHECK(waitUntil([&] { return inkFits(L"Paleta"); }));
    user::click(driver.handleOf("p4p"));
    CHECK(waitUntil([&] { return inkFits(L"Paleta - Exponent"); }));
    user::click(driver.handleOf("pp10"));
    CHECK(waitUntil([&] { return inkFits(L"Paleta - P\u0159esnost"); }));
    user::click(driver.handleOf("p19"));
    CHECK(waitUntil([&] { return inkFits(L"Paleta"); }));
}

WINDOW_TEST(EveryCzechLetterIsWhole) {
    checkGlyphsOfForm(driver, driver.application().form1().form(), driver.mainWindow());
    // The palettes' other names, and the zero rule's message in the message font.
    user::click(driver.handleOf("pp10"));
    CHECK(waitUntil([&] { return driver.caption("Label4") == "Stříbrná"; }));
    checkGlyphsOfForm(driver, driver.application().form1().form(), driver.mainWindow());
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT message = CreateFontIndirectW(&metrics.lfMessageFont);
    CHECK_EQ(pruhomat::win32::utf8(missingGlyphs(message, L"Hodnotu '0' nelze v prvn\u00edm poli pou\u017e\u00edt...")),
             std::string());
    DeleteObject(message);

    user::click(driver.handleOf("p19"));
    CHECK(waitUntil([&] { return driver.caption("Label1") == "Černá"; }));
    // A caron sits above the capital's top, where a plain H has none, and is more than a dot.
    const Ink capital = firstLetterInk(driver.handleOf("Label2"), 0);
    for (const char* name : {"Label1", "Label3", "Label5", "Label9"}) {
        const bool accentShown = waitUntil([&] { return firstLetterInk(driver.handleOf(name), capital.top).width >= 3; });
        CHECK_EQ(std::string(name) + (accentShown ? " shows" : " lacks") + " the accent", std::string(name) + " shows the accent");
    }

    user::click(driver.handleOf("Info_pr"));
    HWND dialog = Driver::waitForWindow(L"PruhomatForm", L" O programu...");
    CHECK(dialog != nullptr);
    if (dialog != nullptr) {
        pruhomat::forms::Form& about = pruhomat::testing::aboutLayout();
        HWND ok = pruhomat::testing::aboutControl(dialog, "cmdOK");
        CHECK(waitUntil([&] { return IsWindowVisible(dialog) && driver.focused() == ok; }));
        checkGlyphsOfForm(driver, about, dialog);
        user::key(VK_ESCAPE);
        CHECK(waitUntil([&] { return !IsWindow(dialog); }));
    }
}

WINDOW_TEST(PicturesFillTheirBoxesAtTheDensity) {
    if (pruhomat::testing::expectedDpi() != 0) {
        CHECK_EQ(static_cast<int>(pruhomat::win32::windowDpi(driver.mainWindow())), pruhomat::testing::expectedDpi());
    }
    checkPictures(driver);
}

WINDOW_TEST(PicturesTakeTheFaceColourOfTheTheme) {
    const int element = COLOR_BTNFACE;
    const COLORREF original = GetSysColor(element);
    const COLORREF seaGreen = RGB(0x2E, 0x8B, 0x57);
    SetSysColors(1, &element, &seaGreen);
    CHECK(waitUntil([&] {
        return pruhomat::testing::screenshot(driver.handleOf("ResistorL")).pixels.front() == 0x2E8B57u;
    }));
    checkPictures(driver);
    SetSysColors(1, &element, &original);
}
