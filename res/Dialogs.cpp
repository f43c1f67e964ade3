#include "res/Dialogs.h"

#include "res/resource.h"

namespace {

constexpr const char* kDialogFont = "MS Sans Serif";
constexpr int kDialogFontPoints = 8;

// Popup, visible, caption, system menu, modal frame, font given.
constexpr DWORD kModalDialogStyle = 0x90C800C0;

// The main window: one modeless dialog. Template order is also z-order and
// tab order, so the exit button comes first and gets the initial focus.
// The four owner-drawn buttons show bitmaps; only their top left corners
// matter, the bitmaps give their sizes.
const DialogItemTemplate kMainItems[] = {
    {IDOK, "button", "E&xit", 0x50010000, 212, 152, 92, 12},
    {IDC_ABOUT, "button", "&About", 0x50010000, 212, 136, 92, 12},
    {IDC_INFO, "button", "&Info", 0x50010000, 212, 120, 92, 12},
    {IDC_FILE_LIST, "listbox", nullptr, 0x50A10103, 112, 28, 92, 136},
    {IDC_SAMPLE_NAME, "edit", nullptr, 0x50810880, 212, 40, 92, 12},
    {IDC_PATH, "static", "Text", 0x50020000, 112, 16, 192, 8},
    {IDC_STATIC, "static", "Current Sample:", 0x50020000, 212, 28, 92, 8},
    {IDC_FILE_HANDLING, "button", "File Handling / &Search", 0x50010000, 12, 136, 92, 12},
    {IDC_STATIC, "static", "Resolution:", 0x50020000, 20, 76, 40, 8},
    {IDC_STATIC, "static", "Frequency:", 0x50020000, 20, 88, 40, 8},
    {IDC_STATIC, "static", "Length:", 0x50020000, 20, 100, 40, 8},
    // Placeholders; the data exchange replaces them before the first show.
    {IDC_RESOLUTION, "static", "16 Bit", 0x50020000, 64, 76, 32, 8},
    {IDC_FREQUENCY, "static", "44100 Hz", 0x50020000, 64, 88, 32, 8},
    {IDC_LENGTH, "static", "1231231", 0x50020000, 64, 100, 32, 8},
    {IDC_STOP, "button", "Stop", 0x5001000B, 227, 80, 16, 12},
    {IDC_PLAY, "button", "Play", 0x5001000B, 249, 80, 16, 12},
    {IDC_CONTINUE, "button", "Continue", 0x5001000B, 271, 80, 16, 12},
    {IDC_SAVE_TO, "button", "Save &To", 0x50010000, 12, 120, 92, 12},
    {IDC_LOGO, "button", "Push button", 0x5001000B, 20, 12, 72, 52},
    {IDC_CREATE_DIR, "button", "&Create Directory", 0x50010000, 12, 152, 92, 12},
    {IDC_STATIC, "static", nullptr, 0x50000007, 222, 74, 71, 26},   // around the transport keys
    {IDC_STATIC, "static", nullptr, 0x50000007, 12, 68, 92, 48},    // around the sample values
    {IDC_STATIC, "static", nullptr, 0x50000008, 4, 5, 308, 167},    // around everything
};

// The icon control names its icon the way a numbered resource is named by
// text: "#" and the number (IDR_MAINFRAME).
const DialogItemTemplate kAboutItems[] = {
    {IDC_STATIC, "static", "Brisola Version 1.0", 0x50020000, 8, 8, 80, 8},
    {IDOK, "button", "OK", 0x50010000, 100, 8, 40, 12},
    {IDC_STATIC, "static", "#102", 0x50000003, 16, 48, 16, 16},
    {IDC_STATIC, "static", "Tornevik Software", 0x50020000, 44, 32, 100, 8},
    {IDC_STATIC, "static", "Mail: brisola@example.com", 0x50020000, 44, 56, 100, 8},
    {IDC_STATIC, "static", "Tel.: +46 555 012 345", 0x50020000, 44, 64, 100, 8},
    {IDC_STATIC, "static", "Fax: +46 555 012 346", 0x50020000, 44, 72, 100, 8},
    {IDC_STATIC, "static", "Bruksgatan 14", 0x50020000, 44, 40, 100, 8},
    {IDC_STATIC, "static", "123 45 Skogsby, Sweden", 0x50020000, 44, 48, 100, 8},
};

// The edit shows Info.tnv: multi-line, read-only, OEM conversion, both
// scroll bars, border, tab stop; no auto-scroll styles.
const DialogItemTemplate kInfoItems[] = {
    {IDOK, "button", "OK", 0x50010001, 164, 144, 40, 12},
    {IDC_INFO_TEXT, "edit", nullptr, 0x50B10C04, 4, 4, 200, 136},
};

// OK stands at the right, Cancel at the left; neither is a default button.
const DialogItemTemplate kCreateDirItems[] = {
    {IDC_STATIC, "static", "SubDirectory Name", 0x50020001, 8, 8, 128, 8},
    {IDC_SUBDIR_NAME, "edit", nullptr, 0x50810080, 8, 20, 128, 12},
    {IDOK, "button", "&OK", 0x50010000, 84, 44, 52, 12},
    {IDCANCEL, "button", "&Cancel", 0x50010000, 8, 44, 52, 12},
};

template <typename T, int N>
constexpr int CountOf(const T (&)[N]) { return N; }

}  // namespace

const DialogTemplate kDialogTemplates[kDialogTemplateCount] = {
    // No maximize box and no sizing border: the window keeps its size.
    {IDD_MAIN, "Tornevik's Brisola", 0x90CA00C0, 10, 10, 316, 175, kDialogFontPoints,
     kDialogFont, kMainItems, CountOf(kMainItems)},
    {IDD_ABOUTBOX, "About Tornevik's Brisola", kModalDialogStyle, 10, 10, 151, 89,
     kDialogFontPoints, kDialogFont, kAboutItems, CountOf(kAboutItems)},
    {IDD_INFO, "Information", kModalDialogStyle, 10, 10, 208, 160, kDialogFontPoints,
     kDialogFont, kInfoItems, CountOf(kInfoItems)},
    {IDD_CREATE_DIR, "Create Directory", kModalDialogStyle, 10, 10, 143, 67,
     kDialogFontPoints, kDialogFont, kCreateDirItems, CountOf(kCreateDirItems)},
};
