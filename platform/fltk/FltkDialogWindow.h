// The top-level window of a dialog model, holding a view for each control.
// FLTK's own dialog keyboard (Tab and arrow navigation, Esc closing,
// "&" shortcuts) is switched off: the framework gives those keys their
// meaning through IsDialogMessageA. The close box sends IDCANCEL. Private to
// platform/fltk. UI thread.
#pragma once

#include <FL/Fl_Double_Window.H>

#include "platform/winapi/Window.h"

class Fl_RGB_Image;

class FltkDialogWindow : public Fl_Double_Window, public WindowView {
public:
    // x, y: screen position of the client area.
    FltkDialogWindow(HWND model, int x, int y, const Fl_RGB_Image* icon);
    ~FltkDialogWindow() override;

    // The dialog model; null once it is gone.
    HWND model() const { return model_; }

    int handle(int event) override;

    void Changed() override;
    void TakeFocus() override;
    void Show(int cmd) override;
    void Enable(bool enabled) override;
    void Moved() override;
    void Detach() override;

private:
    static void CloseTrampoline(Fl_Widget* window, void* self);
    void OnClose();
    void CreateControlViews();

    HWND model_;
    int originX_, originY_;   // screen position of the model's (0, 0)
};
