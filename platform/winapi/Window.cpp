#include "platform/winapi/Window.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <unordered_set>

#include "platform/winapi/DirListing.h"

namespace {

std::unordered_set<HWND>& LiveWindows()
{
    static std::unordered_set<HWND> live;
    return live;
}

HWND g_focus = nullptr;

// ASCII case folding by table: the sort calls it for every byte compared.
struct FoldTable {
    unsigned char map[256];
    FoldTable()
    {
        for (int i = 0; i < 256; ++i)
            map[i] = static_cast<unsigned char>((i >= 'A' && i <= 'Z') ? i + ('a' - 'A') : i);
    }
};
const FoldTable kFold;

unsigned char Fold(char c) { return kFold.map[static_cast<unsigned char>(c)]; }

// The list's one order: case-insensitive, ties broken by the exact bytes so
// that the order is total and stable across runs.
bool ItemLess(const ListBoxItem& a, const ListBoxItem& b)
{
    const std::string& x = a.text;
    const std::string& y = b.text;
    size_t n = std::min(x.size(), y.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char cx = Fold(x[i]), cy = Fold(y[i]);
        if (cx != cy)
            return cx < cy;
    }
    if (x.size() != y.size())
        return x.size() < y.size();
    return x < y;
}

ListBoxItem ItemFor(const DirEntry& e)
{
    ListBoxItem item;
    item.text = e.DisplayText();
    switch (e.kind) {
    case DirEntry::kDrive: item.kind = ListBoxItem::kDrive; break;
    case DirEntry::kParent: item.kind = ListBoxItem::kParent; break;
    case DirEntry::kDirectory: item.kind = ListBoxItem::kDirectory; break;
    case DirEntry::kFile: item.kind = ListBoxItem::kFile; break;
    }
    return item;
}

void Changed(HWND hwnd)
{
    if (hwnd->view)
        hwnd->view->Changed();
}

LRESULT AddItems(HWND hwnd, std::vector<ListBoxItem> batch)
{
    ListBoxModel& m = *hwnd->list;
    if (batch.empty())
        return m.items.empty() ? LB_ERR : static_cast<LRESULT>(m.items.size() - 1);
    if (hwnd->style & LBS_SORT) {
        // Sort the batch, then merge: O(n log n) for any number of entries.
        std::sort(batch.begin(), batch.end(), ItemLess);
        std::vector<ListBoxItem> merged;
        merged.reserve(m.items.size() + batch.size());
        std::merge(std::make_move_iterator(m.items.begin()), std::make_move_iterator(m.items.end()),
                   std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()),
                   std::back_inserter(merged), ItemLess);
        m.items = std::move(merged);
    } else {
        for (ListBoxItem& it : batch)
            m.items.push_back(std::move(it));
    }
    Changed(hwnd);
    return static_cast<LRESULT>(m.items.size() - 1);
}

LRESULT ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ListBoxModel& m = *hwnd->list;
    const int count = static_cast<int>(m.items.size());
    switch (message) {
    case LB_RESETCONTENT:
        m.items.clear();
        m.items.shrink_to_fit();
        m.cursel = -1;
        m.top = 0;
        Changed(hwnd);
        return 0;
    case LB_DIR: {
        const char* spec = reinterpret_cast<const char*>(lParam);
        std::vector<DirEntry> entries = ListDirectory(static_cast<UINT>(wParam), spec ? spec : "");
        std::vector<ListBoxItem> batch;
        batch.reserve(entries.size());
        for (const DirEntry& e : entries)
            batch.push_back(ItemFor(e));
        return AddItems(hwnd, std::move(batch));
    }
    case LB_ADDSTRING: {
        ListBoxItem item;
        item.text = reinterpret_cast<const char*>(lParam);
        std::vector<ListBoxItem> one;
        one.push_back(std::move(item));
        AddItems(hwnd, std::move(one));
        return 0;
    }
    case LB_GETCOUNT:
        return count;
    case LB_GETCURSEL:
        return m.cursel;
    case LB_SETCURSEL: {
        int i = static_cast<int>(static_cast<intptr_t>(wParam));
        if (i < 0 || i >= count)
            return LB_ERR;
        m.cursel = i;
        m.EnsureVisible(i);
        Changed(hwnd);
        return i;
    }
    case LB_GETTOPINDEX:
        return m.top;
    case LB_SETTOPINDEX: {
        int i = static_cast<int>(wParam);
        if (i < 0 || i >= count)
            return LB_ERR;
        m.top = i;
        Changed(hwnd);
        return 0;
    }
    case LB_GETTEXTLEN: {
        int i = static_cast<int>(wParam);
        return (i < 0 || i >= count) ? LB_ERR : static_cast<LRESULT>(m.items[i].text.size());
    }
    case LB_GETTEXT: {
        int i = static_cast<int>(wParam);
        if (i < 0 || i >= count)
            return LB_ERR;
        std::memcpy(reinterpret_cast<char*>(lParam), m.items[i].text.c_str(), m.items[i].text.size() + 1);
        return static_cast<LRESULT>(m.items[i].text.size());
    }
    default:
        return 0;
    }
}

} // namespace

// Cut back out of the shown text, so that an item keeps one string.
std::string ListBoxItem::Decoded() const
{
    switch (kind) {
    case kDrive: return text.substr(2, 1) + ":";                     // "[-c-]"
    case kParent: return "..\\";
    case kDirectory: return text.substr(1, text.size() - 2) + "\\";  // "[name]"
    case kString:
    case kFile: break;
    }
    return text;
}

void ListBoxModel::EnsureVisible(int index)
{
    int rows = std::max(1, visibleRows);
    if (index < top)
        top = index;
    else if (index >= top + rows)
        top = index - rows + 1;
    top = std::max(0, top);
}

HWND CreateWindowModel(const std::string& className, const std::string& text, DWORD style, int id, HWND parent,
                       const RECT& rect)
{
    HWND w = new HWND__;
    w->className = className;
    w->text = text;
    w->style = style;
    w->id = id;
    w->rect = rect;
    w->parent = parent;
    w->visible = (style & WS_VISIBLE) != 0;
    w->enabled = (style & WS_DISABLED) == 0;
    if (className == "listbox")
        w->list = std::make_unique<ListBoxModel>();
    if (parent)
        parent->children.push_back(w);
    LiveWindows().insert(w);
    return w;
}

BOOL IsWindow(HWND hwnd) { return hwnd && LiveWindows().count(hwnd) ? TRUE : FALSE; }

BOOL DestroyWindow(HWND hwnd)
{
    if (!IsWindow(hwnd))
        return FALSE;
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    while (IsWindow(hwnd) && !hwnd->children.empty())
        DestroyWindow(hwnd->children.back());
    if (!IsWindow(hwnd))
        return TRUE;
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    if (hwnd->parent && IsWindow(hwnd->parent)) {
        auto& sib = hwnd->parent->children;
        sib.erase(std::remove(sib.begin(), sib.end(), hwnd), sib.end());
    }
    if (g_focus == hwnd)
        g_focus = nullptr;
    if (hwnd->view)
        hwnd->view->Detach();
    LiveWindows().erase(hwnd);
    delete hwnd;
    return TRUE;
}

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(hwnd))
        return 0;
    if (hwnd->target)
        return hwnd->target->WindowProc(message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(hwnd))
        return 0;
    switch (message) {
    case WM_SETTEXT:
        hwnd->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        Changed(hwnd);
        return TRUE;
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(hwnd->text.size());
    case WM_GETTEXT: {
        size_t cap = static_cast<size_t>(wParam);
        if (cap == 0 || !lParam)
            return 0;
        size_t n = std::min(cap - 1, hwnd->text.size());
        std::memcpy(reinterpret_cast<char*>(lParam), hwnd->text.data(), n);
        reinterpret_cast<char*>(lParam)[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    default:
        break;
    }
    if (hwnd->list)
        return ListBoxProc(hwnd, message, wParam, lParam);
    if (hwnd->className == "button") {
        if (message == BM_SETSTATE) {
            int state = wParam ? 1 : 0;
            if (state != hwnd->buttonState) {
                hwnd->buttonState = state;
                Changed(hwnd);
            }
            return 0;
        }
        if (message == BM_GETSTATE)
            return hwnd->buttonState ? BST_PUSHED : 0;
    }
    return 0;
}

HWND GetDlgItem(HWND dialog, int id)
{
    if (!IsWindow(dialog))
        return nullptr;
    for (HWND c : dialog->children)
        if (c->id == id)
            return c;
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) { return IsWindow(hwnd) ? hwnd->id : 0; }
HWND GetParent(HWND hwnd) { return IsWindow(hwnd) ? hwnd->parent : nullptr; }

BOOL ShowWindow(HWND hwnd, int cmd)
{
    if (!IsWindow(hwnd))
        return FALSE;
    BOOL was = hwnd->visible;
    hwnd->visible = cmd != SW_HIDE;
    if (hwnd->view)
        hwnd->view->Show(cmd);
    return was;
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    if (!IsWindow(hwnd))
        return FALSE;
    BOOL wasDisabled = !hwnd->enabled;
    hwnd->enabled = enable != FALSE;
    if (hwnd->view)
        hwnd->view->Enable(hwnd->enabled);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) { return IsWindow(hwnd) && hwnd->enabled; }

HWND SetFocus(HWND hwnd)
{
    HWND old = g_focus;
    if (IsWindow(hwnd)) {
        g_focus = hwnd;
        if (hwnd->view)
            hwnd->view->TakeFocus();
    }
    return old;
}

HWND GetFocus() { return IsWindow(g_focus) ? g_focus : nullptr; }
void NoteFocus(HWND hwnd) { g_focus = hwnd; }

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL /*repaint*/)
{
    if (!IsWindow(hwnd))
        return FALSE;
    hwnd->rect = RECT{x, y, x + width, y + height};
    if (hwnd->view)
        hwnd->view->Moved();
    return TRUE;
}

BOOL DlgDirSelectExA(HWND dialog, LPSTR buffer, int count, int idList)
{
    HWND list = GetDlgItem(dialog, idList);
    if (!list || !list->list || !buffer || count <= 0)
        return FALSE;
    const ListBoxModel& m = *list->list;
    if (m.cursel < 0 || m.cursel >= static_cast<int>(m.items.size()))
        return FALSE;
    const ListBoxItem& item = m.items[m.cursel];
    const std::string decoded = item.Decoded();
    size_t n = std::min(static_cast<size_t>(count - 1), decoded.size());
    std::memcpy(buffer, decoded.data(), n);
    buffer[n] = '\0';
    return item.kind == ListBoxItem::kDrive || item.kind == ListBoxItem::kParent ||
                   item.kind == ListBoxItem::kDirectory
               ? TRUE
               : FALSE;
}

void NotifyParent(HWND control, UINT code)
{
    if (!IsWindow(control) || !control->parent)
        return;
    SendMessageA(control->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(control->id), static_cast<WORD>(code)),
                 reinterpret_cast<LPARAM>(control));
}

namespace {

// Moves the selection as the user did; reports the change as the old list did.
void UserSelect(HWND list, int index)
{
    ListBoxModel& m = *list->list;
    m.cursel = index;
    m.EnsureVisible(index);
    Changed(list);
    if (list->style & LBS_NOTIFY)
        NotifyParent(list, LBN_SELCHANGE);
}

} // namespace

void ListBoxClick(HWND list, int index, bool doubleClick)
{
    if (!IsWindow(list) || !list->list)
        return;
    const int count = static_cast<int>(list->list->items.size());
    if (index < 0 || index >= count)
        return;
    UserSelect(list, index);
    if (doubleClick && IsWindow(list) && (list->style & LBS_NOTIFY))
        NotifyParent(list, LBN_DBLCLK);
}

BOOL ListBoxKey(HWND list, UINT vk)
{
    if (!IsWindow(list) || !list->list)
        return FALSE;
    ListBoxModel& m = *list->list;
    const int count = static_cast<int>(m.items.size());
    if (count == 0)
        return FALSE;
    const int page = std::max(1, m.visibleRows - 1);
    const int cur = m.cursel;
    int next;
    switch (vk) {
    case VK_HOME: next = 0; break;
    case VK_END: next = count - 1; break;
    case VK_PRIOR: next = cur < 0 ? 0 : cur - page; break;
    case VK_NEXT: next = cur < 0 ? 0 : cur + page; break;
    case VK_UP:
    case VK_LEFT: next = cur < 0 ? 0 : cur - 1; break;
    case VK_DOWN:
    case VK_RIGHT: next = cur < 0 ? 0 : cur + 1; break;
    default: return FALSE;
    }
    next = std::clamp(next, 0, count - 1);
    UserSelect(list, next);
    return TRUE;
}

BOOL ListBoxChar(HWND list, char ch)
{
    if (!IsWindow(list) || !list->list || !std::isgraph(static_cast<unsigned char>(ch)))
        return FALSE;
    ListBoxModel& m = *list->list;
    const int count = static_cast<int>(m.items.size());
    for (int k = 1; k <= count; ++k) {
        int i = (m.cursel + k) % count;
        if (i < 0)
            i += count;
        const std::string& t = m.items[i].text;
        if (!t.empty() && Fold(t[0]) == Fold(ch)) {
            UserSelect(list, i);
            return TRUE;
        }
    }
    return FALSE;
}
