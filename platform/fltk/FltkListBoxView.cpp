#include "platform/fltk/FltkListBoxView.h"

#include <algorithm>
#include <cstdint>

#include <FL/fl_draw.H>

#include "platform/fltk/FltkEventHook.h"
#include "platform/fltk/FltkSupport.h"
#include "platform/winapi/DialogUnits.h"

namespace {
// Items are handed to Fl_Browser_ as index + 1, so that null means none.
void* ItemOf(int index) { return reinterpret_cast<void*>(static_cast<intptr_t>(index) + 1); }
int IndexOf(void* item) { return static_cast<int>(reinterpret_cast<intptr_t>(item)) - 1; }
constexpr int kBorderPixels = 2;
} // namespace

FltkListBoxView::FltkListBoxView(HWND model) : FltkControlView<Fl_Browser_>(model)
{
    box(FL_DOWN_BOX);
    color(FL_WHITE);
    selection_color(fl_rgb_color(0, 0, 128));
    has_scrollbar(VERTICAL);
    visible_focus(1);
    scrollbar.callback(ScrollTrampoline, this);
    fl_font(FL_HELVETICA, DialogFontPixels());
    rowHeight_ = std::max(1, fl_height());
    textfont(FL_HELVETICA);
    textsize(static_cast<Fl_Fontsize>(DialogFontPixels()));
    UpdateVisibleRows();
    FollowModel();
}

int FltkListBoxView::Count() const
{
    return model() && model()->list ? static_cast<int>(model()->list->items.size()) : 0;
}

int FltkListBoxView::RowHeight() const { return rowHeight_; }

void FltkListBoxView::UpdateVisibleRows()
{
    if (model() && model()->list)
        model()->list->visibleRows = std::max(1, (h() - 2 * kBorderPixels) / RowHeight());
}

void FltkListBoxView::resize(int x, int y, int w, int h)
{
    Fl_Browser_::resize(x, y, w, h);
    UpdateVisibleRows();
}

// The model may have been emptied and refilled: forget every cached item
// and scroll to the model's top.
void FltkListBoxView::FollowModel()
{
    if (!model() || !model()->list)
        return;
    new_list();
    const int count = Count();
    int top = std::clamp(model()->list->top, 0, std::max(0, count - 1));
    position(top * RowHeight());
}

void FltkListBoxView::Changed()
{
    FollowModel();
    redraw();
}

void FltkListBoxView::ScrollTrampoline(Fl_Widget*, void* self) { static_cast<FltkListBoxView*>(self)->OnScroll(); }

void FltkListBoxView::OnScroll()
{
    int pos = static_cast<int>(scrollbar.value());
    position(pos);
    if (model() && model()->list)
        model()->list->top = std::max(0, (position() + RowHeight() / 2) / RowHeight());
}

void FltkListBoxView::draw()
{
    Fl_Browser_::draw();
    if (Fl::focus() == this && model() && model()->list) {
        // The old list drew the focus around the selected item.
        int cur = model()->list->cursel;
        int top = position() / RowHeight();
        int bx, by, bw, bh;
        bbox(bx, by, bw, bh);
        if (cur >= top) {
            int ry = by + (cur - top) * RowHeight() - (position() % RowHeight());
            if (ry < by + bh) {
                fl_push_clip(bx, by, bw, bh);
                DrawFocusRect(bx, ry, bw, RowHeight());
                fl_pop_clip();
            }
        }
    }
}

int FltkListBoxView::handle(int event)
{
    if (!model() || !model()->list)
        return 0;
    switch (event) {
    case FL_PUSH:
    case FL_DRAG:
    case FL_RELEASE: {
        if (scrollbar.visible() && (Fl::event_inside(&scrollbar) || Fl::pushed() == &scrollbar))
            return Fl_Browser_::handle(event);
        if (event == FL_PUSH && Fl::focus() != this)
            take_focus();
        if (Fl::event_button() != FL_LEFT_MOUSE || event == FL_RELEASE)
            return 1;
        int bx, by, bw, bh;
        bbox(bx, by, bw, bh);
        if (Fl::event_y() < by || Fl::event_y() >= by + bh)
            return 1;
        int index = (Fl::event_y() - by + position()) / RowHeight();
        if (index < 0 || index >= Count())
            return 1;
        if (event == FL_DRAG) {
            if (index != model()->list->cursel)
                ListBoxClick(model(), index, false);
            return 1;
        }
        // A press and then a double-click, as the old system sent them (the
        // dispatch hook has set the count by the old system's rule).
        ListBoxClick(model(), index, Fl::event_clicks() > 0);
        return 1;
    }
    case FL_KEYBOARD: {
        if (Fl::event_state() & FL_ALT)
            return 0;
        UINT vk = FltkEventHook::VirtualKey(Fl::event_key());
        switch (vk) {
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            ListBoxKey(model(), vk);
            return 1;
        default:
            break;
        }
        const char* text = Fl::event_text();
        if (Fl::event_length() == 1 && text) {
            ListBoxChar(model(), text[0]);
            return 1;
        }
        return 0;
    }
    case FL_FOCUS:
        NoteFocused();
        redraw();
        return 1;
    case FL_UNFOCUS:
        redraw();
        return 1;
    case FL_MOUSEWHEEL:
        return Fl_Browser_::handle(event);
    case FL_ENTER:
    case FL_LEAVE:
        return 1;
    default:
        return 0;
    }
}

void* FltkListBoxView::item_first() const { return Count() > 0 ? ItemOf(0) : nullptr; }

void* FltkListBoxView::item_next(void* item) const
{
    int i = IndexOf(item) + 1;
    return i < Count() ? ItemOf(i) : nullptr;
}

void* FltkListBoxView::item_prev(void* item) const
{
    int i = IndexOf(item) - 1;
    return i >= 0 && i < Count() ? ItemOf(i) : nullptr;
}

void* FltkListBoxView::item_last() const { return Count() > 0 ? ItemOf(Count() - 1) : nullptr; }

int FltkListBoxView::item_height(void*) const { return RowHeight(); }
int FltkListBoxView::item_quick_height(void*) const { return RowHeight(); }
int FltkListBoxView::full_height() const { return Count() * RowHeight(); }
int FltkListBoxView::incr_height() const { return RowHeight(); }

int FltkListBoxView::item_width(void* item) const
{
    int i = IndexOf(item);
    if (i < 0 || i >= Count())
        return 0;
    UseDialogFont();
    return TextWidth(model()->list->items[i].text) + 4;
}

int FltkListBoxView::item_selected(void* item) const
{
    return model() && model()->list && IndexOf(item) == model()->list->cursel ? 1 : 0;
}

void FltkListBoxView::item_select(void*, int) {}   // the model owns the selection

void FltkListBoxView::item_draw(void* item, int x, int y, int w, int h) const
{
    int i = IndexOf(item);
    if (i < 0 || i >= Count())
        return;
    UseDialogFont();
    const bool selected = i == model()->list->cursel;
    fl_color(selected ? FL_WHITE : (model()->enabled ? FL_BLACK : fl_rgb_color(128, 128, 128)));
    const std::string& text = model()->list->items[i].text;
    fl_push_clip(x, y, w, h);
    fl_draw(text.data(), static_cast<int>(text.size()), x + 2, y + h - fl_descent());
    fl_pop_clip();
}
