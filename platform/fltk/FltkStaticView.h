// A static control: text (left, centred or right within its rectangle,
// wrapped at spaces, clipped to it, "&" marking an underlined letter), a
// black or gray frame, or an icon drawn at its own size. It takes no focus
// and lets the mouse through. Private to platform/fltk. UI thread.
#pragma once

#include <memory>

#include <FL/Fl_Widget.H>

#include "platform/fltk/FltkControlView.h"

struct Bitmap;

class FltkStaticView : public FltkControlView<Fl_Widget> {
public:
    explicit FltkStaticView(HWND model);
    ~FltkStaticView() override;

    void draw() override;
    int handle(int event) override;

private:
    void DrawText(HWND m);
    const Bitmap* Icon();

    std::unique_ptr<Bitmap> icon_;
    bool iconLoaded_ = false;
};
