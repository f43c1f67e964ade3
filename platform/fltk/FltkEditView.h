// A single-line edit control: a sunken white field showing the model's
// text. Typing (unless ES_READONLY) writes the text back into the model, so
// WM_GETTEXT sees what the user typed. Private to platform/fltk. UI thread.
#pragma once

#include <FL/Fl_Input.H>

#include "platform/fltk/FltkControlView.h"

class FltkEditView : public FltkControlView<Fl_Input> {
public:
    explicit FltkEditView(HWND model);

    void Changed() override;
    int handle(int event) override;

private:
    static void EditedTrampoline(Fl_Widget* widget, void* self);
    void OnEdited();
};
