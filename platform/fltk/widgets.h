#pragma once

#include <FL/Fl_Group.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Widget.H>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "control.h"
#include "images.h"

namespace pruhomat::fltk {

// The pictures as FLTK images at the screen's density on the window's face colour, made once
// and shared by every box; the window icons as drawn.
class ImageCache {
public:
    ImageCache(int dotsPerInch, Rgb face) : dpi_(dotsPerInch), face_(face) {}
    ImageCache(const ImageCache&) = delete;
    ImageCache& operator=(const ImageCache&) = delete;

    Fl_RGB_Image* picture(ImageId id);
    // A picture's size as shown, without making it; 0 for no picture.
    int width(ImageId id) const { return id == ImageId::NoImage ? 0 : shownWidth(id, dpi_); }
    int height(ImageId id) const { return id == ImageId::NoImage ? 0 : shownHeight(id, dpi_); }
    Fl_RGB_Image* icon(int size);

private:
    struct Entry {
        std::vector<unsigned char> bytes;
        std::unique_ptr<Fl_RGB_Image> image;
    };
    static Fl_RGB_Image* convert(const Image& source, Entry& entry);

    int dpi_;
    Rgb face_;
    std::vector<Entry> pictures_{imageCount};
    std::array<Entry, 2> icons_;
};

// Draws its picture unscaled at its top-left corner (inside a sunken border if it has one),
// clipped to the box. The picture is made on its first showing, so hidden ones cost nothing.
class PictureBox : public Fl_Widget {
public:
    PictureBox(int x, int y, int width, int height, ImageCache& images, ImageId picture, bool sunkenBorder);
    void setPicture(ImageId picture);

protected:
    void draw() override;
    // A picture with a tooltip takes the pointer's entering, so FLTK shows its tip.
    int handle(int event) override;

private:
    ImageCache& images_;
    ImageId picture_;
    bool sunkenBorder_;
};

// A frame: an etched outline whose caption interrupts its top edge; children are clipped to it.
// While it holds the keyboard, a dotted focus rectangle is drawn over it and its children.
class FrameGroup : public Fl_Group {
public:
    FrameGroup(int x, int y, int width, int height);

    // In pixels from the frame's corner; an empty mark draws none.
    void setFocusMark(const forms::Rect& mark);

    // Keys go to the window, which has the core decide; no navigation of FLTK's own.
    int handle(int event) override;

protected:
    void draw() override;

private:
    forms::Rect mark_;
};

Fl_Color toFlColor(const forms::Paint& paint);

// Captions break lines the Windows way; FLTK wants a bare line feed.
std::string flCaption(const std::string& caption);

}  // namespace pruhomat::fltk
