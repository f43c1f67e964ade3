// Real input and screen reading for the display tests, through the X server
// (xdotool sends XTest events; ImageMagick reads the screen). Kept apart from
// the display headers: X11's Display type would clash with ours.
#pragma once

#include <string>

// Runs "xdotool ARGS"; true when it succeeded.
bool Xdo(const std::string& args);
// The X window of the top-level window titled exactly title, or 0.
unsigned long FindWindowByTitle(const std::string& title);
// Asks the window to close, as a window manager's close box does.
void SendCloseRequest(unsigned long window);

struct Rgb {
    int r = -1, g = -1, b = -1;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};
// The colour of the screen pixel at x, y.
Rgb ScreenPixel(int x, int y);
