#include "platform/fltk/FltkTextView.h"

#include "platform/winapi/DialogUnits.h"

FltkTextView::FltkTextView(HWND model)
    : FltkControlView<Fl_Text_Display>(model), buffer_(std::make_unique<Fl_Text_Buffer>())
{
    box(FL_DOWN_BOX);
    color(FL_WHITE);
    textfont(FL_HELVETICA);
    textsize(static_cast<Fl_Fontsize>(DialogFontPixels()));
    buffer(buffer_.get());
    if (!(model->style & ES_AUTOHSCROLL))
        wrap_mode(WRAP_AT_BOUNDS, 0);
    Load();
}

FltkTextView::~FltkTextView() { buffer(nullptr); }

void FltkTextView::Load()
{
    if (!model() || model()->text == shown_)
        return;
    shown_ = model()->text;
    std::string text;
    text.reserve(shown_.size());
    for (char c : shown_)
        if (c != '\r')
            text += c;
    buffer_->text(text.c_str());
}

void FltkTextView::Changed()
{
    Load();
    redraw();
}

int FltkTextView::handle(int event)
{
    if (!model())
        return 0;
    if (event == FL_FOCUS) {
        NoteFocused();
        Fl_Text_Display::handle(event);
        return 1;
    }
    return Fl_Text_Display::handle(event);
}
