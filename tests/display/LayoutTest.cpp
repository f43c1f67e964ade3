// The views sit where the models say and draw what they hold.
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

#include "display/DisplayFixture.h"
#include "display/XInput.h"

namespace {

Fl_Widget* WidgetOf(HWND h) { return h ? dynamic_cast<Fl_Widget*>(h->view) : nullptr; }

} // namespace

TEST_F(DisplayTest, WindowAndControlsTakeTheModelRectangles)
{
    BuildSample();
    ShowDialog();
    auto* window = dynamic_cast<Fl_Window*>(dialog->view);
    ASSERT_NE(window, nullptr);
    EXPECT_STREQ(window->label(), "Display Test");
    EXPECT_EQ(window->x(), kDialogX);
    EXPECT_EQ(window->y(), kDialogY);
    EXPECT_EQ(window->w(), kDialogW);
    EXPECT_EQ(window->h(), kDialogH);
    ASSERT_EQ(window->children(), static_cast<int>(dialog->children.size()));
    for (HWND c : dialog->children) {
        Fl_Widget* w = WidgetOf(c);
        ASSERT_NE(w, nullptr) << c->className << " " << c->id;
        EXPECT_EQ(w->parent(), window);
        EXPECT_EQ(w->x(), c->rect.left) << c->className << " " << c->id;
        EXPECT_EQ(w->y(), c->rect.top) << c->className << " " << c->id;
        EXPECT_EQ(w->w(), c->rect.right - c->rect.left) << c->className << " " << c->id;
        EXPECT_EQ(w->h(), c->rect.bottom - c->rect.top) << c->className << " " << c->id;
    }
    // The list knows how many rows it shows.
    EXPECT_GT(Item(kListId)->list->visibleRows, 3);
    EXPECT_LT(Item(kListId)->list->visibleRows, kListItems);
}

TEST_F(DisplayTest, ModelChangesReachTheViews)
{
    BuildSample();
    ShowDialog();
    // A bitmap button resized to its image, as SizeToContent does.
    MoveWindow(Item(kPlayId), 20, 20, 40, 30, TRUE);
    EXPECT_EQ(WidgetOf(Item(kPlayId))->w(), 40);
    EXPECT_EQ(WidgetOf(Item(kPlayId))->h(), 30);
    ShowWindow(Item(kGoId), SW_HIDE);
    EXPECT_FALSE(WidgetOf(Item(kGoId))->visible());
    ShowWindow(Item(kGoId), SW_SHOW);
    EXPECT_TRUE(WidgetOf(Item(kGoId))->visible());
    SendMessageA(dialog, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Renamed"));
    EXPECT_STREQ(dynamic_cast<Fl_Window*>(dialog->view)->label(), "Renamed");
    // A control destroyed with its model leaves the window.
    auto* window = dynamic_cast<Fl_Window*>(dialog->view);
    int before = window->children();
    DestroyWindow(Item(kTextId));
    Pump(20);
    EXPECT_EQ(window->children(), before - 1);
}

TEST_F(DisplayTest, ScreenShowsFramesFaceAndButtonImages)
{
    BuildSample();
    ShowDialog();
    Pump(100);
    const Rgb black{0, 0, 0}, gray{128, 128, 128}, face{192, 192, 192}, red{255, 0, 0}, blue{0, 0, 255};
    EXPECT_EQ(ScreenPixel(kDialogX + kBlackFrameRect.left, kDialogY + kBlackFrameRect.top + 10), black);
    EXPECT_EQ(ScreenPixel(kDialogX + kBlackFrameRect.right - 1, kDialogY + kBlackFrameRect.top + 10), black);
    EXPECT_EQ(ScreenPixel(kDialogX + kBlackFrameRect.left + 5, kDialogY + kBlackFrameRect.top + 5), face);
    EXPECT_EQ(ScreenPixel(kDialogX + kGrayFrameRect.left, kDialogY + 100), gray);
    EXPECT_EQ(ScreenPixel(kDialogX + 1, kDialogY + 1), face);
    EXPECT_EQ(ScreenPixel(kDialogX + kPlayRect.left + 10, kDialogY + kPlayRect.top + 10), red);
    // BM_SETSTATE 1 shows the pushed image until it is set back.
    SendMessageA(Item(kPlayId), BM_SETSTATE, 1, 0);
    Pump(50);
    EXPECT_EQ(ScreenPixel(kDialogX + kPlayRect.left + 10, kDialogY + kPlayRect.top + 10), blue);
    SendMessageA(Item(kPlayId), BM_SETSTATE, 0, 0);
    Pump(50);
    EXPECT_EQ(ScreenPixel(kDialogX + kPlayRect.left + 10, kDialogY + kPlayRect.top + 10), red);
    // The selected list item is highlighted.
    SendMessageA(Item(kListId), LB_SETCURSEL, 0, 0);
    Pump(50);
    EXPECT_EQ(ScreenPixel(kDialogX + kListRect.left + 60, kDialogY + kListRect.top + 5), (Rgb{0, 0, 128}));
}
