// The framework's dialogs on the window models: modal loops, the owner,
// destruction order, and what the main loop's pre-translation sees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/BrowserApp.h"
#include "platform/fltk/Display.h"
#include "platform/framework/CDialog.h"
#include "platform/winapi/PostedQueue.h"
#include "res/BrisolaResources.h"
#include "res/resource.h"

namespace {

std::vector<std::string> g_events;

class OwnerDlg : public CDialog {
public:
    OwnerDlg() : CDialog(IDD_ABOUTBOX) { Create(IDD_ABOUTBOX); }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        g_events.push_back("owner pre-translate");
        return CDialog::PreTranslateMessage(msg);
    }
};

class RecordingDlg : public CDialog {
public:
    explicit RecordingDlg(CWnd* owner) : CDialog(IDD_ABOUTBOX, owner) {}
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        g_events.push_back("init");
        // Something arrives while the modal loop runs: a key for the owner,
        // then the command that ends the dialog.
        PostMessageA(m_pParentWnd->m_hWnd, WM_KEYDOWN, 'X', 0);
        PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    }
    void OnOK() override
    {
        g_events.push_back(std::string("ok, owner ") + (IsWindowEnabled(m_pParentWnd->m_hWnd) ? "enabled" : "disabled"));
        CDialog::OnOK();
    }
    afx_msg void OnDestroy()
    {
        HWND first = m_hWnd->children.empty() ? nullptr : m_hWnd->children.front();
        g_events.push_back(std::string("destroy, controls ") + (first && IsWindow(first) ? "there" : "gone"));
        firstControl = first;
        CDialog::OnDestroy();
    }
    void PostNcDestroy() override
    {
        g_events.push_back(std::string("post-nc-destroy, controls ") + (IsWindow(firstControl) ? "there" : "gone"));
    }
    HWND firstControl = nullptr;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingDlg, CDialog)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

} // namespace

TEST(Dialog, ModalLoopDisablesTheOwnerSkipsItsPreTranslationAndDestroysInOrder)
{
    InstallDisplay(CreateDisplay(true));
    InstallBrisolaResources();
    ResetPostedQueue();
    g_events.clear();
    OwnerDlg owner;
    ASSERT_NE(owner.m_hWnd, nullptr);
    RecordingDlg dlg(&owner);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(g_events, (std::vector<std::string>{"init", "ok, owner disabled", "destroy, controls there",
                                                  "post-nc-destroy, controls gone"}));
    EXPECT_TRUE(IsWindowEnabled(owner.m_hWnd));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    owner.DestroyWindow();
}

TEST(Dialog, AMissingTemplateFailsInsteadOfShowingNothing)
{
    InstallDisplay(CreateDisplay(true));
    InstallBrisolaResources();
    CDialog dlg(9999);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_FALSE(dlg.Create(9999));
}
