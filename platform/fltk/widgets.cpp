#include "widgets.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <array>
#include <utility>
#include <variant>

namespace pruhomat::fltk {

Fl_RGB_Image* ImageCache::convert(const Image& source, Entry& entry) {
    if (!entry.image) {
        entry.bytes.reserve(source.pixels.size() * 3);
        for (const Rgb& pixel : source.pixels) {
            entry.bytes.insert(entry.bytes.end(), {pixel.red, pixel.green, pixel.blue});
        }
        entry.image = std::make_unique<Fl_RGB_Image>(entry.bytes.data(), source.width, source.height, 3);
    }
    return entry.image.get();
}

Fl_RGB_Image* ImageCache::picture(ImageId id) {
    if (id == ImageId::NoImage) {
        return nullptr;
    }
    Entry& entry = pictures_.at(static_cast<std::size_t>(id));
    return entry.image ? entry.image.get() : convert(shownPicture(id, dpi_, face_), entry);
}

Fl_RGB_Image* ImageCache::icon(int size) { return convert(windowIcon(size), icons_.at(size == windowIconSizes[0] ? 0 : 1)); }

PictureBox::PictureBox(int x, int y, int width, int height, ImageCache& images, ImageId picture, bool sunkenBorder)
    : Fl_Widget(x, y, width, height), images_(images), picture_(picture), sunkenBorder_(sunkenBorder) {
    box(sunkenBorder ? FL_DOWN_BOX : FL_FLAT_BOX);
}

void PictureBox::setPicture(ImageId picture) {
    picture_ = picture;
    redraw();
}

void PictureBox::draw() {
    draw_box();
    Fl_RGB_Image* image = images_.picture(picture_);
    if (image == nullptr) {
        return;
    }
    const int inset = sunkenBorder_ ? Fl::box_dx(box()) : 0;
    fl_push_clip(x() + inset, y() + inset, w() - 2 * inset, h() - 2 * inset);
    image->draw(x() + inset, y() + inset);
    fl_pop_clip();
}

FrameGroup::FrameGroup(int x, int y, int width, int height) : Fl_Group(x, y, width, height) {
    box(FL_FLAT_BOX);
    // The caption is drawn by the frame itself, over its outline.
    align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
    clip_children(1);
}

void FrameGroup::draw() {
    if (damage() & ~FL_DAMAGE_CHILD) {
        fl_font(labelfont(), labelsize());
        const int textHeight = fl_height();
        const int outlineTop = y() + textHeight / 2;
        fl_rectf(x(), y(), w(), h(), color());
        if (h() > outlineTop - y()) {
            fl_draw_box(FL_ENGRAVED_FRAME, x(), outlineTop, w(), h() - (outlineTop - y()), color());
        }
        if (label() != nullptr && *label() != '\0') {
            constexpr int captionIndent = 8;
            constexpr int captionPadding = 2;
            const int textWidth = static_cast<int>(fl_width(label()));
            fl_rectf(x() + captionIndent - captionPadding, y(), textWidth + 2 * captionPadding, textHeight, color());
            fl_color(labelcolor());
            fl_draw(label(), x() + captionIndent, y() + fl_height() - fl_descent());
        }
    }
    draw_children();
    if (!mark_.isEmpty()) {
        draw_focus(FL_NO_BOX, x() + mark_.left, y() + mark_.top, mark_.width, mark_.height);
    }
}

void FrameGroup::setFocusMark(const forms::Rect& mark) {
    if (mark != mark_) {
        mark_ = mark;
        redraw();
    }
}

int PictureBox::handle(int event) {
    if ((event == FL_ENTER || event == FL_LEAVE) && tooltip() != nullptr) {
        return 1;
    }
    return Fl_Widget::handle(event);
}

int FrameGroup::handle(int event) {
    if (event == FL_KEYBOARD) {
        return 0;
    }
    return Fl_Group::handle(event);
}

std::string flCaption(const std::string& caption) {
    std::string text;
    for (const char character : caption) {
        if (character != '\r') {
            text += character;
        }
    }
    return text;
}

Fl_Color toFlColor(const forms::Paint& paint) {
    if (const auto* rgb = std::get_if<Rgb>(&paint)) {
        return fl_rgb_color(rgb->red, rgb->green, rgb->blue);
    }
    // FLTK's theme colours where it has one; the inactive border is Windows' own grey.
    using Mapping = std::pair<forms::SystemColour, Fl_Color>;
    static constexpr std::array<Mapping, 5> colours{{
        {forms::SystemColour::ButtonFace, FL_BACKGROUND_COLOR},
        {forms::SystemColour::Window, FL_BACKGROUND2_COLOR},
        {forms::SystemColour::WindowText, FL_FOREGROUND_COLOR},
        {forms::SystemColour::Highlight, FL_SELECTION_COLOR},
        {forms::SystemColour::InactiveBorder, 0xD4D0C800},
    }};
    return std::ranges::find(colours, std::get<forms::SystemColour>(paint), &Mapping::first)->second;
}

}  // namespace pruhomat::fltk
