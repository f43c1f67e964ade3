// Basic types and constants of the old window system, with their original
// values, so that the program's code can be written in its own terms.
#pragma once

#include <cstdint>

typedef int BOOL;
typedef unsigned int UINT;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef const char* LPCTSTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

struct HWND__;                 // a window: see platform/winapi/Window.h
typedef HWND__* HWND;
struct GlobalBlock;            // a block of global memory: GlobalMemory.h
typedef GlobalBlock* HGLOBAL;

struct POINT { LONG x, y; };
struct RECT { LONG left, top, right, bottom; };

// A message as the loop takes it from the event source.
struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

inline WORD LOWORD(uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
inline WORD HIWORD(uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
inline WPARAM MAKEWPARAM(WORD lo, WORD hi) { return static_cast<WPARAM>(lo) | (static_cast<WPARAM>(hi) << 16); }

// Window messages.
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr UINT MM_MCINOTIFY = 0x03B9;
constexpr UINT WM_USER = 0x0400;

// Notice codes carried in MM_MCINOTIFY's wParam.
constexpr WPARAM MCI_NOTIFY_SUCCESSFUL = 0x0001;
constexpr WPARAM MCI_NOTIFY_SUPERSEDED = 0x0002;
constexpr WPARAM MCI_NOTIFY_ABORTED = 0x0004;
constexpr WPARAM MCI_NOTIFY_FAILURE = 0x0008;

// Command ids.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDC_STATIC = -1;

// Button messages, states and notifications.
constexpr UINT BM_GETSTATE = 0x00F2;
constexpr UINT BM_SETSTATE = 0x00F3;
constexpr UINT BN_CLICKED = 0;
constexpr UINT BST_PUSHED = 0x0004;

// List box messages, notifications and results.
constexpr UINT LB_ADDSTRING = 0x0180;
constexpr UINT LB_RESETCONTENT = 0x0184;
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_GETTEXT = 0x0189;
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_GETTOPINDEX = 0x018E;
constexpr UINT LB_DIR = 0x018D;
constexpr UINT LB_SETTOPINDEX = 0x0197;
constexpr LRESULT LB_ERR = -1;
constexpr UINT LBN_SELCHANGE = 1;
constexpr UINT LBN_DBLCLK = 2;

// Attributes of LB_DIR.
constexpr UINT DDL_READWRITE = 0x0000;
constexpr UINT DDL_READONLY = 0x0001;
constexpr UINT DDL_HIDDEN = 0x0002;
constexpr UINT DDL_SYSTEM = 0x0004;
constexpr UINT DDL_DIRECTORY = 0x0010;
constexpr UINT DDL_ARCHIVE = 0x0020;
constexpr UINT DDL_DRIVES = 0x4000;
constexpr UINT DDL_EXCLUSIVE = 0x8000;

// Window styles.
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD DS_MODALFRAME = 0x00000080;
constexpr DWORD DS_SETFONT = 0x00000040;
constexpr DWORD BS_PUSHBUTTON = 0x00000000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x00000001;
constexpr DWORD BS_OWNERDRAW = 0x0000000B;
constexpr DWORD BS_TYPEMASK = 0x0000000F;
constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD SS_LEFT = 0x00000000;
constexpr DWORD SS_ICON = 0x00000003;
constexpr DWORD SS_BLACKFRAME = 0x00000007;
constexpr DWORD SS_GRAYFRAME = 0x00000008;
constexpr DWORD SS_TYPEMASK = 0x0000001F;

// Show commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWDEFAULT = 10;

// Message box flags and results.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;

// Virtual-key codes.
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_CAPITAL = 0x14;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_F4 = 0x73;

// Global memory flags.
constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GMEM_DDESHARE = 0x2000;

constexpr int MAX_PATH = 260;
