// Resource identifiers of Brisola: dialog templates (IDD_), their controls
// (IDC_), bitmaps (IDB_) and the program icon (IDR_MAINFRAME). IDOK,
// IDCANCEL and IDC_STATIC come from platform/winapi/WinTypes.h.
//
// Dialogs and bitmaps are looked up in separate tables, so a dialog and a
// bitmap may share a number (IDD_INFO and IDB_CONTINUE_DOWN_SMALL do).
#pragma once

// Dialog templates.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_MAIN = 101;
constexpr int IDD_INFO = 112;
constexpr int IDD_CREATE_DIR = 113;

// The program icon; stored with the bitmaps.
constexpr int IDR_MAINFRAME = 102;

// Bitmaps: the large set, for any dialog base unit other than 8 pixels.
constexpr int IDB_STOP_UP = 105;
constexpr int IDB_STOP_DOWN = 106;
constexpr int IDB_PLAY_UP = 107;
constexpr int IDB_PLAY_DOWN = 108;
constexpr int IDB_LOGO = 109;
constexpr int IDB_CONTINUE_DOWN = 110;
constexpr int IDB_CONTINUE_UP = 111;

// Bitmaps: the small set, for a dialog base unit of exactly 8 pixels.
constexpr int IDB_CONTINUE_DOWN_SMALL = 112;
constexpr int IDB_CONTINUE_UP_SMALL = 113;
constexpr int IDB_LOGO_SMALL = 114;
constexpr int IDB_PLAY_DOWN_SMALL = 115;
constexpr int IDB_PLAY_UP_SMALL = 116;
constexpr int IDB_STOP_DOWN_SMALL = 117;
constexpr int IDB_STOP_UP_SMALL = 118;

// Controls of IDD_MAIN.
constexpr int IDC_ABOUT = 11;
constexpr int IDC_FILE_LIST = 3004;
constexpr int IDC_PATH = 3005;
constexpr int IDC_SAMPLE_NAME = 3006;
constexpr int IDC_RESOLUTION = 3007;
constexpr int IDC_FREQUENCY = 3008;
constexpr int IDC_LENGTH = 3009;
constexpr int IDC_PLAY = 3010;
constexpr int IDC_STOP = 3011;
constexpr int IDC_CONTINUE = 3012;
constexpr int IDC_SAVE_TO = 3013;
constexpr int IDC_FILE_HANDLING = 3014;
constexpr int IDC_INFO = 3016;
constexpr int IDC_LOGO = 3017;
constexpr int IDC_CREATE_DIR = 3019;

// Controls of IDD_INFO and IDD_CREATE_DIR.
constexpr int IDC_INFO_TEXT = 3018;
constexpr int IDC_SUBDIR_NAME = 3021;
