#include "platform/fltk/FltkStaticView.h"

#include <cstdlib>
#include <vector>

#include <FL/fl_draw.H>

#include "platform/fltk/FltkSupport.h"
#include "platform/winapi/Bitmap.h"

namespace {
constexpr DWORD kSsCenter = 0x1;
constexpr DWORD kSsRight = 0x2;
constexpr DWORD kSsNoPrefix = 0x80;

// Breaks text into lines that fit width, at spaces and line feeds; a word
// wider than the line stays whole and is clipped.
std::vector<std::string> WrapLines(const std::string& text, int width)
{
    std::vector<std::string> lines;
    std::string line;
    size_t i = 0;
    while (i <= text.size()) {
        if (i == text.size() || text[i] == '\n') {
            lines.push_back(line);
            line.clear();
            ++i;
            continue;
        }
        if (text[i] == '\r') {
            ++i;
            continue;
        }
        size_t end = text.find_first_of(" \n\r", i);
        if (end == std::string::npos)
            end = text.size();
        std::string word = text.substr(i, end - i);
        std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && TextWidth(ParseMnemonic(candidate).shown) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
        i = end;
        while (i < text.size() && text[i] == ' ')
            ++i;
    }
    return lines;
}
} // namespace

FltkStaticView::FltkStaticView(HWND model) : FltkControlView<Fl_Widget>(model)
{
    box(FL_NO_BOX);
    clear_visible_focus();
}

FltkStaticView::~FltkStaticView() = default;

int FltkStaticView::handle(int) { return 0; }

const Bitmap* FltkStaticView::Icon()
{
    if (!iconLoaded_ && model()) {
        iconLoaded_ = true;
        // The caption names the image: "#102".
        const std::string& t = model()->text;
        if (t.size() > 1 && t[0] == '#')
            icon_ = LoadBitmapResource(std::atoi(t.c_str() + 1));
    }
    return icon_.get();
}

void FltkStaticView::draw()
{
    HWND m = model();
    if (!m)
        return;
    switch (m->style & SS_TYPEMASK) {
    case SS_BLACKFRAME:
        fl_color(FL_BLACK);
        fl_rect(x(), y(), w(), h());
        return;
    case SS_GRAYFRAME:
        fl_color(fl_rgb_color(128, 128, 128));
        fl_rect(x(), y(), w(), h());
        return;
    case SS_ICON:
        if (const Bitmap* b = Icon())
            DrawBitmap(*b, x(), y());
        return;
    default:
        DrawText(m);
        return;
    }
}

void FltkStaticView::DrawText(HWND m)
{
    fl_color(FaceColor());
    fl_rectf(x(), y(), w(), h());
    UseDialogFont();
    fl_push_clip(x(), y(), w(), h());
    const DWORD align = m->style & SS_TYPEMASK;
    int ly = y() + fl_height() - fl_descent();
    for (const std::string& raw : WrapLines(m->text, w())) {
        MnemonicText line;
        if (m->style & kSsNoPrefix)
            line.shown = raw;
        else
            line = ParseMnemonic(raw);
        int width = TextWidth(line.shown);
        int lx = x();
        if (align == kSsCenter)
            lx = x() + (w() - width) / 2;
        else if (align == kSsRight)
            lx = x() + w() - width;
        fl_color(m->enabled ? FL_BLACK : fl_rgb_color(128, 128, 128));
        DrawMnemonicLine(line, lx, ly);
        ly += fl_height();
        if (ly - fl_height() > y() + h())
            break;
    }
    fl_pop_clip();
}
