#include "platform/winapi/DialogUnits.h"

#include <cmath>

namespace {
double g_dpi = 96.0;
int g_fontPixels = 0;   // 0: from the point size
constexpr int kSystemWidthAt96Dpi = 8;
constexpr int kSystemHeightAt96Dpi = 16;
constexpr int kDialogFontWidthAt96Dpi = 6;
constexpr int kDialogFontHeightAt96Dpi = 13;
constexpr int kDialogFontPointSize = 8;

int Scale(int pixelsAt96) { return static_cast<int>(std::lround(pixelsAt96 * g_dpi / 96.0)); }
} // namespace

void SetScreenDpi(double dpi)
{
    if (dpi > 10 && dpi < 2000)
        g_dpi = dpi;
}

double ScreenDpi() { return g_dpi; }

LONG GetDialogBaseUnits()
{
    return static_cast<LONG>((Scale(kSystemHeightAt96Dpi) << 16) | (Scale(kSystemWidthAt96Dpi) & 0xFFFF));
}

// Four horizontal dialog units make one average character width, eight
// vertical ones its height; the old system rounded to the nearest pixel.
int DialogXToPixels(int dlu) { return (dlu * Scale(kDialogFontWidthAt96Dpi) + 2) / 4; }
int DialogYToPixels(int dlu) { return (dlu * Scale(kDialogFontHeightAt96Dpi) + 4) / 8; }

int DialogFontPixels()
{
    return g_fontPixels > 0 ? g_fontPixels : static_cast<int>(std::lround(kDialogFontPointSize * g_dpi / 72.0));
}

void SetDialogFontPixels(int pixels) { g_fontPixels = pixels; }

int DialogFontAverageWidth() { return Scale(kDialogFontWidthAt96Dpi); }
