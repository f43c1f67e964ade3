#include "platform/fltk/FltkButtonView.h"

#include <FL/fl_draw.H>

#include "platform/fltk/FltkSupport.h"
#include "platform/winapi/Bitmap.h"

FltkButtonView::FltkButtonView(HWND model) : FltkControlView<Fl_Widget>(model)
{
    // Our own focus rectangle, and no FLTK label or shortcut processing.
    visible_focus(1);
    box(FL_NO_BOX);
}

bool FltkButtonView::OwnerDrawn() const { return model() && (model()->style & BS_TYPEMASK) == BS_OWNERDRAW; }

void FltkButtonView::draw()
{
    HWND m = model();
    if (!m)
        return;
    if (OwnerDrawn()) {
        const Bitmap* image = (m->buttonState == 1 || pushedLook_) && m->imageDown ? m->imageDown : m->imageUp;
        fl_push_clip(x(), y(), w(), h());
        fl_color(FaceColor());
        fl_rectf(x(), y(), w(), h());
        if (image)
            DrawBitmap(*image, x(), y());
        fl_pop_clip();
        return;
    }
    const bool pushed = pushedLook_ || m->buttonState == 1;
    const bool focused = Fl::focus() == this;
    DrawButtonFace(x(), y(), w(), h(), pushed, focused || (m->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    UseDialogFont();
    MnemonicText text = ParseMnemonic(m->text);
    const int shift = pushed ? 1 : 0;
    const int tx = x() + (w() - TextWidth(text.shown)) / 2 + shift;
    const int ty = y() + (h() - fl_height()) / 2 + fl_height() - fl_descent() + shift;
    fl_push_clip(x() + 2, y() + 2, w() - 4, h() - 4);
    if (m->enabled) {
        fl_color(FL_BLACK);
        DrawMnemonicLine(text, tx, ty);
    } else {
        fl_color(FL_WHITE);
        DrawMnemonicLine(text, tx + 1, ty + 1);
        fl_color(fl_rgb_color(128, 128, 128));
        DrawMnemonicLine(text, tx, ty);
    }
    fl_pop_clip();
    if (focused)
        DrawFocusRect(x() + 4, y() + 4, w() - 8, h() - 8);
}

void FltkButtonView::Release(bool click)
{
    tracking_ = false;
    spaceHeld_ = false;
    pushedLook_ = false;
    redraw();
    // The parent's handler may destroy this button: nothing of ours after it.
    if (click && model())
        NotifyParent(model(), BN_CLICKED);
}

int FltkButtonView::handle(int event)
{
    if (!model())
        return 0;
    switch (event) {
    case FL_PUSH:
        if (Fl::event_button() != FL_LEFT_MOUSE)
            return 1;
        if (Fl::focus() != this)
            take_focus();
        tracking_ = true;
        pushedLook_ = true;
        redraw();
        return 1;
    case FL_DRAG:
        if (tracking_ && pushedLook_ != (Fl::event_inside(this) != 0)) {
            pushedLook_ = !pushedLook_;
            redraw();
        }
        return 1;
    case FL_RELEASE:
        if (tracking_ && Fl::event_button() == FL_LEFT_MOUSE)
            Release(Fl::event_inside(this) != 0);
        return 1;
    case FL_KEYBOARD:
        // Space is the button's own key; Tab, Enter and Esc are the dialog's.
        if (Fl::event_key() == ' ' && !(Fl::event_state() & FL_ALT)) {
            if (!spaceHeld_) {
                spaceHeld_ = true;
                pushedLook_ = true;
                redraw();
            }
            return 1;
        }
        return 0;
    case FL_KEYUP:
        if (Fl::event_key() == ' ' && spaceHeld_) {
            Release(true);
            return 1;
        }
        return 0;
    case FL_FOCUS:
        NoteFocused();
        redraw();
        return 1;
    case FL_UNFOCUS:
        if (spaceHeld_) {
            spaceHeld_ = false;
            pushedLook_ = false;
        }
        redraw();
        return 1;
    case FL_ENTER:
    case FL_LEAVE:
        return 1;
    default:
        return 0;
    }
}
