#include "platform/fltk/FltkMessageBox.h"

#include <algorithm>

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Widget.H>
#include <FL/fl_draw.H>

#include "platform/fltk/FltkDialogWindow.h"
#include "platform/fltk/FltkSupport.h"
#include "platform/winapi/DialogUnits.h"

namespace {

constexpr int kMarginPixels = 11;
constexpr int kIconPixels = 32;
constexpr int kButtonWidthPixels = 75;
constexpr int kButtonHeightPixels = 23;

std::string WithoutCarriageReturns(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r')
            out += c;
    return out;
}

// The yellow warning triangle with its "!".
class ExclamationIcon : public Fl_Widget {
public:
    ExclamationIcon(int x, int y) : Fl_Widget(x, y, kIconPixels, kIconPixels) {}
    void draw() override
    {
        const int cx = x() + w() / 2, top = y() + 1, bottom = y() + h() - 2;
        fl_color(fl_rgb_color(255, 255, 0));
        fl_polygon(cx, top, x() + w() - 1, bottom, x(), bottom);
        fl_color(FL_BLACK);
        fl_loop(cx, top, x() + w() - 1, bottom, x(), bottom);
        fl_rectf(cx - 1, y() + 10, 3, 12);
        fl_rectf(cx - 1, y() + 24, 3, 3);
    }
};

// The text as it is: no "&" or "@" processing.
class BoxText : public Fl_Widget {
public:
    BoxText(int x, int y, int w, int h, const std::string& text) : Fl_Widget(x, y, w, h), text_(text) {}
    void draw() override
    {
        UseDialogFont();
        fl_color(FL_BLACK);
        fl_draw(text_.c_str(), x(), y(), w(), h(), FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE, nullptr, 0);
    }

private:
    std::string text_;
};

class OkButton : public Fl_Widget {
public:
    OkButton(int x, int y, bool* done) : Fl_Widget(x, y, kButtonWidthPixels, kButtonHeightPixels), done_(done) {}
    void draw() override
    {
        DrawButtonFace(x(), y(), w(), h(), pushed_, true);
        UseDialogFont();
        MnemonicText t = ParseMnemonic("OK");
        const int s = pushed_ ? 1 : 0;
        fl_color(FL_BLACK);
        DrawMnemonicLine(t, x() + (w() - TextWidth(t.shown)) / 2 + s,
                         y() + (h() - fl_height()) / 2 + fl_height() - fl_descent() + s);
        DrawFocusRect(x() + 4, y() + 4, w() - 8, h() - 8);
    }
    int handle(int event) override
    {
        switch (event) {
        case FL_PUSH:
            tracking_ = pushed_ = true;
            redraw();
            return 1;
        case FL_DRAG:
            if (tracking_ && pushed_ != (Fl::event_inside(this) != 0)) {
                pushed_ = !pushed_;
                redraw();
            }
            return 1;
        case FL_RELEASE:
            if (tracking_ && Fl::event_inside(this))
                *done_ = true;
            tracking_ = pushed_ = false;
            redraw();
            return 1;
        case FL_FOCUS:
        case FL_UNFOCUS:
            return 1;
        default:
            return 0;
        }
    }

private:
    bool* done_;
    bool tracking_ = false;
    bool pushed_ = false;
};

class BoxWindow : public Fl_Double_Window {
public:
    BoxWindow(int w, int h, bool* done) : Fl_Double_Window(w, h), done_(done) {}
    int handle(int event) override
    {
        if (event == FL_KEYBOARD || event == FL_SHORTCUT) {
            const int k = Fl::event_key();
            if (k == FL_Enter || k == FL_KP_Enter || k == FL_Escape) {
                *done_ = true;
                return 1;
            }
            if (k == ' ') {
                spaceHeld_ = true;
                return 1;
            }
            return event == FL_KEYBOARD ? 1 : 0;
        }
        // Space works like the button's own key: it clicks on release.
        if (event == FL_KEYUP && Fl::event_key() == ' ' && spaceHeld_) {
            *done_ = true;
            return 1;
        }
        return Fl_Double_Window::handle(event);
    }

private:
    bool* done_;
    bool spaceHeld_ = false;
};

void CloseTrampoline(Fl_Widget*, void* done) { *static_cast<bool*>(done) = true; }

} // namespace

int FltkMessageBox::Run(HWND owner, const std::string& caption, const std::string& text,
                        const std::function<void(const std::function<bool()>&)>& modalLoop)
{
    const std::string shown = WithoutCarriageReturns(text);
    UseDialogFont();
    int textW = 0, textH = 0;
    fl_measure(shown.c_str(), textW, textH, 0);
    const int textX = kMarginPixels + kIconPixels + kMarginPixels;
    const int bodyH = std::max(kIconPixels, textH);
    const int width = std::max(textX + textW + kMarginPixels, kButtonWidthPixels + 2 * kMarginPixels);
    const int height = kMarginPixels + bodyH + kMarginPixels + kButtonHeightPixels + kMarginPixels;

    bool done = false;
    BoxWindow win(width, height, &done);
    win.copy_label(caption.c_str());
    win.color(FaceColor());
    win.callback(CloseTrampoline, &done);
    new ExclamationIcon(kMarginPixels, kMarginPixels);
    new BoxText(textX, kMarginPixels + (bodyH - textH) / 2, textW, textH, shown);
    OkButton* ok = new OkButton((width - kButtonWidthPixels) / 2, height - kMarginPixels - kButtonHeightPixels, &done);
    win.end();
    win.size_range(width, height, width, height);

    // Centred over the owner, or on the screen.
    FltkDialogWindow* ownerWindow = owner && IsWindow(owner) ? dynamic_cast<FltkDialogWindow*>(owner->view) : nullptr;
    if (ownerWindow && ownerWindow->shown())
        win.position(ownerWindow->x() + (ownerWindow->w() - width) / 2, ownerWindow->y() + (ownerWindow->h() - height) / 2);
    else
        win.position((Fl::w() - width) / 2, (Fl::h() - height) / 2);

    const bool disableOwner = owner && IsWindow(owner) && owner->enabled;
    if (disableOwner)
        EnableWindow(owner, FALSE);
    win.set_modal();
    win.show();
    ok->take_focus();
    bool activated = false;
    modalLoop([&] {
        if (!activated)
            activated = ActivateWindow(&win);
        return done;
    });
    if (disableOwner && IsWindow(owner))
        EnableWindow(owner, TRUE);
    win.hide();
    if (ownerWindow && IsWindow(owner) && owner->view == static_cast<WindowView*>(ownerWindow))
        ActivateWindow(ownerWindow);
    return IDOK;
}
