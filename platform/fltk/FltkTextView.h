// A multi-line read-only edit control (ES_MULTILINE): the model's text,
// word-wrapped, with a vertical scroll bar. Line ends "\r\n" show as one
// line break. Private to platform/fltk. UI thread.
#pragma once

#include <memory>

#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>

#include "platform/fltk/FltkControlView.h"

class FltkTextView : public FltkControlView<Fl_Text_Display> {
public:
    explicit FltkTextView(HWND model);
    ~FltkTextView() override;

    void Changed() override;
    int handle(int event) override;

private:
    void Load();

    std::unique_ptr<Fl_Text_Buffer> buffer_;
    std::string shown_;
};
