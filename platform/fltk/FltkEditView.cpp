#include "platform/fltk/FltkEditView.h"

#include "platform/winapi/DialogUnits.h"

FltkEditView::FltkEditView(HWND model) : FltkControlView<Fl_Input>(model)
{
    box(FL_DOWN_BOX);
    color(FL_WHITE);
    textfont(FL_HELVETICA);
    textsize(static_cast<Fl_Fontsize>(DialogFontPixels()));
    readonly((model->style & ES_READONLY) ? 1 : 0);
    when(FL_WHEN_CHANGED);
    callback(EditedTrampoline, this);
    value(model->text.c_str());
}

void FltkEditView::Changed()
{
    if (model() && model()->text != value())
        value(model()->text.c_str());
    redraw();
}

void FltkEditView::EditedTrampoline(Fl_Widget*, void* self) { static_cast<FltkEditView*>(self)->OnEdited(); }

void FltkEditView::OnEdited()
{
    if (model())
        model()->text = value();
}

int FltkEditView::handle(int event)
{
    if (!model())
        return 0;
    if (event == FL_FOCUS)
        NoteFocused();
    return Fl_Input::handle(event);
}
