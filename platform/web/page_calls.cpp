#include "page_calls.h"

// The imports the page's script provides, under the module name "page".
#define PAGE_IMPORT(name) __attribute__((import_module("page"), import_name(#name)))

extern "C" {
PAGE_IMPORT(openWindow) void pageOpenWindow(int window, int owner, int dpi, int width, int height, const char* caption, int length);
PAGE_IMPORT(rescaleWindow) void pageRescaleWindow(int window, int dpi, int width, int height);
PAGE_IMPORT(place) void pagePlace(int window, int index, int left, int top, int width, int height);
PAGE_IMPORT(closeWindow) void pageCloseWindow(int window);
PAGE_IMPORT(create) void pageCreate(int window, int index, int parent, int element, int left, int top, int width, int height);
PAGE_IMPORT(setNumber) void pageSetNumber(int window, int index, int property, int value);
PAGE_IMPORT(setText) void pageSetText(int window, int index, int property, const char* text, int length);
PAGE_IMPORT(drawPicture) void pageDrawPicture(int window, int index, const unsigned char* pixels, int width, int height);
PAGE_IMPORT(focus) void pageFocus(int window, int index);
PAGE_IMPORT(showFocusMark) void pageShowFocusMark(int window, int index, int left, int top, int width, int height);
PAGE_IMPORT(showTooltip) void pageShowTooltip(int window, int index);
PAGE_IMPORT(messageBox) void pageMessageBox(const char* prompt, int length, const char* title, int titleLength);
PAGE_IMPORT(popupMenu) void pagePopupMenu(int window, int left, int top, const char* items, int length);
PAGE_IMPORT(copyText) void pageCopyText(const char* text, int length);
PAGE_IMPORT(openLink) void pageOpenLink(const char* target, int length);
PAGE_IMPORT(programEnded) void pageProgramEnded();
}

namespace pruhomat::web::page {
namespace {

int lengthOf(std::string_view text) { return static_cast<int>(text.size()); }

}  // namespace

void openWindow(int window, int owner, int dotsPerInch, int width, int height, std::string_view caption) {
    pageOpenWindow(window, owner, dotsPerInch, width, height, caption.data(), lengthOf(caption));
}

void rescaleWindow(int window, int dotsPerInch, int width, int height) { pageRescaleWindow(window, dotsPerInch, width, height); }

void place(int window, int index, int left, int top, int width, int height) { pagePlace(window, index, left, top, width, height); }

void closeWindow(int window) { pageCloseWindow(window); }

void create(int window, int index, int parent, Element element, int left, int top, int width, int height) {
    pageCreate(window, index, parent, static_cast<int>(element), left, top, width, height);
}

void setNumber(int window, int index, Property property, int value) {
    pageSetNumber(window, index, static_cast<int>(property), value);
}

void setText(int window, int index, Property property, std::string_view text) {
    pageSetText(window, index, static_cast<int>(property), text.data(), lengthOf(text));
}

void drawPicture(int window, int index, const std::uint8_t* pixels, int width, int height) {
    pageDrawPicture(window, index, pixels, width, height);
}

void focus(int window, int index) { pageFocus(window, index); }

void showFocusMark(int window, int index, int left, int top, int width, int height) {
    pageShowFocusMark(window, index, left, top, width, height);
}

void showTooltip(int window, int index) { pageShowTooltip(window, index); }

void messageBox(std::string_view prompt, std::string_view title) {
    pageMessageBox(prompt.data(), lengthOf(prompt), title.data(), lengthOf(title));
}

void popupMenu(int window, int left, int top, std::string_view items) {
    pagePopupMenu(window, left, top, items.data(), lengthOf(items));
}

void copyText(std::string_view text) { pageCopyText(text.data(), lengthOf(text)); }

void openLink(std::string_view target) { pageOpenLink(target.data(), lengthOf(target)); }

void programEnded() { pageProgramEnded(); }

}  // namespace pruhomat::web::page
