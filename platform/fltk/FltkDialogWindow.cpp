#include "platform/fltk/FltkDialogWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>

#include "platform/fltk/FltkButtonView.h"
#include "platform/fltk/FltkEditView.h"
#include "platform/fltk/FltkListBoxView.h"
#include "platform/fltk/FltkStaticView.h"
#include "platform/fltk/FltkSupport.h"
#include "platform/fltk/FltkTextView.h"

namespace {
int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }
} // namespace

FltkDialogWindow::FltkDialogWindow(HWND model, int x, int y, const Fl_RGB_Image* icon)
    : Fl_Double_Window(x, y, Width(model->rect), Height(model->rect)),
      model_(model),
      originX_(x - model->rect.left),
      originY_(y - model->rect.top)
{
    copy_label(model->text.c_str());
    color(FaceColor());
    // No sizing border: the window keeps the template's size.
    size_range(w(), h(), w(), h());
    callback(CloseTrampoline, this);
    if (icon)
        this->icon(icon);
    model->view = this;
    CreateControlViews();
    end();
    if (!model->enabled)
        deactivate();
}

FltkDialogWindow::~FltkDialogWindow()
{
    if (model_ && model_->view == this)
        model_->view = nullptr;
}

void FltkDialogWindow::CreateControlViews()
{
    begin();
    for (HWND c : model_->children) {
        if (c->className == "button")
            new FltkButtonView(c);
        else if (c->className == "listbox" && c->list)
            new FltkListBoxView(c);
        else if (c->className == "edit" && (c->style & ES_MULTILINE))
            new FltkTextView(c);
        else if (c->className == "edit")
            new FltkEditView(c);
        else if (c->className == "static")
            new FltkStaticView(c);
    }
    end();
}

int FltkDialogWindow::handle(int event)
{
    switch (event) {
    case FL_KEYBOARD:
    case FL_KEYUP:
    case FL_SHORTCUT:
        // Not Fl_Group's: it would move the focus with Tab and the arrows.
        return 0;
    case FL_FOCUS:
        // Coming back to the window: the control the models say has the focus.
        if (HWND f = GetFocus()) {
            if (f->parent == model_ && f->view) {
                f->view->TakeFocus();
                return 1;
            }
        }
        return Fl_Double_Window::handle(event);
    default:
        return Fl_Double_Window::handle(event);
    }
}

void FltkDialogWindow::CloseTrampoline(Fl_Widget*, void* self) { static_cast<FltkDialogWindow*>(self)->OnClose(); }

void FltkDialogWindow::OnClose()
{
    // FLTK calls this for Escape too; only the close box (or the window
    // manager's close) means cancel.
    if (Fl::event() == FL_SHORTCUT || Fl::event() == FL_KEYBOARD)
        return;
    if (model_ && model_->enabled)
        SendMessageA(model_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void FltkDialogWindow::Changed()
{
    if (model_ && (!label() || model_->text != label()))
        copy_label(model_->text.c_str());
    redraw();
}

void FltkDialogWindow::TakeFocus() { take_focus(); }

void FltkDialogWindow::Show(int cmd)
{
    switch (cmd) {
    case SW_HIDE:
        hide();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        if (!shown())
            show();
        iconize();
        break;
    default:
        show();
        break;
    }
}

void FltkDialogWindow::Enable(bool enabled)
{
    if (enabled) {
        activate();
        HWND f = GetFocus();
        if (f && f->parent == model_ && f->view)
            f->view->TakeFocus();
    } else {
        deactivate();
    }
    redraw();
}

void FltkDialogWindow::Moved()
{
    if (!model_)
        return;
    const RECT& r = model_->rect;
    size_range(Width(r), Height(r), Width(r), Height(r));
    resize(r.left + originX_, r.top + originY_, Width(r), Height(r));
}

void FltkDialogWindow::Detach()
{
    model_ = nullptr;
    hide();
    Fl::delete_widget(this);
}
