#include "platform/framework/MessageBox.h"

#include "platform/fltk/Display.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/CWnd.h"

#include <unistd.h>

#include <string>

namespace {

MessageBoxPresenter& Presenter()
{
    static MessageBoxPresenter presenter;
    return presenter;
}

CString& Title()
{
    static CString title;
    return title;
}

CString TitleFromExecutable()
{
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return "brisola";
    std::string path(buf, static_cast<size_t>(n));
    std::string name = path.substr(path.rfind('/') + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    return CString(name);
}

} // namespace

CString AfxGetAppTitle()
{
    if (Title().IsEmpty())
        Title() = TitleFromExecutable();
    return Title();
}

void AfxSetAppTitle(const CString& title) { Title() = title; }

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter)
{
    MessageBoxPresenter old = std::move(Presenter());
    Presenter() = std::move(presenter);
    return old;
}

int AfxMessageBox(LPCSTR text, UINT type, UINT /*helpId*/)
{
    if ((type & 0x00F0) == 0)
        type |= MB_ICONEXCLAMATION;
    CString body(text);
    if (Presenter())
        return Presenter()(AfxGetAppTitle(), body, type);
    CWnd* owner = AfxGetMainWnd();
    return TheDisplay().MessageBox(owner ? owner->m_hWnd : nullptr, AfxGetAppTitle(), body, type);
}
