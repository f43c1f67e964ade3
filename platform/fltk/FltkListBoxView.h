// The list box view: draws ListBoxModel's items straight from the model
// (Fl_Browser_ asks for them through its item_* virtuals, so nothing is
// copied into FLTK) and turns clicks and the list's own keys into
// ListBoxClick, ListBoxKey and ListBoxChar. Its scroll position follows the
// model's top item; the user's scrolling writes it back. Private to
// platform/fltk. UI thread.
#pragma once

#include <FL/Fl_Browser_.H>

#include "platform/fltk/FltkControlView.h"

class FltkListBoxView : public FltkControlView<Fl_Browser_> {
public:
    explicit FltkListBoxView(HWND model);

    void Changed() override;
    int handle(int event) override;
    void draw() override;
    void resize(int x, int y, int w, int h) override;

protected:
    void* item_first() const override;
    void* item_next(void* item) const override;
    void* item_prev(void* item) const override;
    void* item_last() const override;
    int item_height(void* item) const override;
    int item_quick_height(void* item) const override;
    int item_width(void* item) const override;
    void item_draw(void* item, int x, int y, int w, int h) const override;
    int item_selected(void* item) const override;
    void item_select(void* item, int on) override;
    int full_height() const override;
    int incr_height() const override;

private:
    static void ScrollTrampoline(Fl_Widget* scrollbar, void* self);
    void OnScroll();
    int Count() const;
    int RowHeight() const;
    void UpdateVisibleRows();
    void FollowModel();

    int rowHeight_ = 13;
};
