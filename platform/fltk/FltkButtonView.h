// A push button, or an owner-drawn bitmap button, drawing its window model.
// It shows pushed while the left mouse button (or Space) is held on it and
// reports BN_CLICKED when released over it. A bitmap button draws its pushed
// image while the model's state is pushed (BM_SETSTATE 1). Private to
// platform/fltk. UI thread.
#pragma once

#include <FL/Fl_Widget.H>

#include "platform/fltk/FltkControlView.h"

class FltkButtonView : public FltkControlView<Fl_Widget> {
public:
    explicit FltkButtonView(HWND model);

    void draw() override;
    int handle(int event) override;

private:
    bool OwnerDrawn() const;
    void Release(bool click);

    bool tracking_ = false;   // the mouse button went down on us
    bool spaceHeld_ = false;
    bool pushedLook_ = false;
};
