#include "display/XInput.h"

#include <cstdio>
#include <cstdlib>

#include <X11/Xlib.h>

bool Xdo(const std::string& args)
{
    std::string cmd = "xdotool " + args + " >/dev/null 2>&1";
    return std::system(cmd.c_str()) == 0;
}

unsigned long FindWindowByTitle(const std::string& title)
{
    std::string cmd = "xdotool search --onlyvisible --name '^" + title + "$' 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return 0;
    unsigned long id = 0;
    if (std::fscanf(p, "%lu", &id) != 1)
        id = 0;
    pclose(p);
    return id;
}

void SendCloseRequest(unsigned long window)
{
    ::Display* d = XOpenDisplay(nullptr);
    if (!d)
        return;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, window, False, NoEventMask, &e);
    XCloseDisplay(d);
}

Rgb ScreenPixel(int x, int y)
{
    std::string cmd = "import -window root -crop 1x1+" + std::to_string(x) + "+" + std::to_string(y) +
                      " -depth 8 rgb:- 2>/dev/null";
    Rgb px;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return px;
    unsigned char buf[3];
    if (std::fread(buf, 1, 3, p) == 3)
        px = Rgb{buf[0], buf[1], buf[2]};
    pclose(p);
    return px;
}
