// The part every control view shares: an FLTK widget placed at its window
// model's rectangle that follows the model's hooks. Base is the FLTK widget
// class the view draws with. Private to platform/fltk. UI thread.
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Group.H>

#include "platform/winapi/Window.h"

template <class Base>
class FltkControlView : public Base, public WindowView {
public:
    explicit FltkControlView(HWND model)
        : Base(model->rect.left, model->rect.top, model->rect.right - model->rect.left,
               model->rect.bottom - model->rect.top),
          model_(model)
    {
        model->view = this;
        if (!model->visible)
            this->hide();
        if (!model->enabled)
            this->deactivate();
    }
    ~FltkControlView() override
    {
        if (model_ && model_->view == this)
            model_->view = nullptr;
    }

    // The model this view draws; null once the model is gone.
    HWND model() const { return model_; }

    void Changed() override { this->redraw(); }
    void TakeFocus() override { this->take_focus(); }
    void Show(int cmd) override
    {
        if (cmd == SW_HIDE)
            this->hide();
        else
            this->show();
    }
    void Enable(bool enabled) override
    {
        if (enabled)
            this->activate();
        else
            this->deactivate();
        this->redraw();
    }
    void Moved() override
    {
        const RECT& r = model_->rect;
        this->resize(r.left, r.top, r.right - r.left, r.bottom - r.top);
        if (this->parent())
            this->parent()->redraw();
    }
    // The model is being freed: leave the window now, go when FLTK is done
    // with the event that may be running inside this widget.
    void Detach() override
    {
        model_ = nullptr;
        this->hide();
        if (Fl_Group* g = this->parent())
            g->remove(this);
        Fl::delete_widget(this);
    }

protected:
    // Focus follows FLTK's idea of it, so GetFocus() names the control
    // that really receives the keys.
    void NoteFocused()
    {
        if (model_)
            NoteFocus(model_);
    }

private:
    HWND model_;
};
