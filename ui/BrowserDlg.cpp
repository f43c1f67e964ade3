#include "ui/BrowserDlg.h"

#include "browser/SearchSpec.h"
#include "platform/framework/DataExchange.h"
#include "platform/winapi/DialogUnits.h"
#include "platform/winapi/PostedQueue.h"
#include "res/resource.h"
#include "sample/WaveSample.h"

namespace {
constexpr int kDecodeBufferBytes = 512;
constexpr int kDecodeCount = 260;
constexpr WORD kSmallSetBaseUnit = 8;
} // namespace

BEGIN_MESSAGE_MAP(CBrowserDlg, CDialog)
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_ABOUT, OnAbout)
    ON_LBN_SELCHANGE(IDC_FILE_LIST, OnSelchangeFileList)
    ON_LBN_DBLCLK(IDC_FILE_LIST, OnDblclkFileList)
    ON_BN_CLICKED(IDC_STOP, OnStop)
    ON_BN_CLICKED(IDC_SAVE_TO, OnSaveTo)
    ON_BN_CLICKED(IDC_FILE_HANDLING, OnFileHandling)
    ON_BN_CLICKED(IDC_INFO, OnInfo)
    ON_BN_CLICKED(IDC_CREATE_DIR, OnCreateDir)
    ON_MESSAGE(MM_MCINOTIFY, OnMciNotify)
END_MESSAGE_MAP()

CBrowserDlg::CBrowserDlg(CWnd* pParent) : CDialog(IDD_MAIN, pParent)
{
    m_strSampleName = "";
    m_strResolution = "";
    m_strFrequency = "";
    m_strLength = "";
    m_strSpecText = "";
    m_strSearchSpec = kStartSearchSpec;
    m_strSpecText = m_strSearchSpec;
    m_pSample = nullptr;
    Create(IDD_MAIN, pParent);
}

// The sample is gone already: PostNcDestroy deleted it.
CBrowserDlg::~CBrowserDlg() = default;

void CBrowserDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SAMPLE_NAME, m_strSampleName);
    DDX_Text(pDX, IDC_RESOLUTION, m_strResolution);
    DDX_Text(pDX, IDC_FREQUENCY, m_strFrequency);
    DDX_Text(pDX, IDC_LENGTH, m_strLength);
    DDX_Control(pDX, IDC_FILE_LIST, m_lbFiles);
    DDX_Text(pDX, IDC_PATH, m_strSpecText);
}

BOOL CBrowserDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    const bool small = LOWORD(static_cast<uintptr_t>(GetDialogBaseUnits())) == kSmallSetBaseUnit;
    struct {
        CBitmapButton& button;
        int id;
        int released, pushed;
    } buttons[] = {
        {m_btnStop, IDC_STOP, small ? IDB_STOP_UP_SMALL : IDB_STOP_UP, small ? IDB_STOP_DOWN_SMALL : IDB_STOP_DOWN},
        {m_btnPlay, IDC_PLAY, small ? IDB_PLAY_UP_SMALL : IDB_PLAY_UP, small ? IDB_PLAY_DOWN_SMALL : IDB_PLAY_DOWN},
        {m_btnContinue, IDC_CONTINUE, small ? IDB_CONTINUE_UP_SMALL : IDB_CONTINUE_UP,
         small ? IDB_CONTINUE_DOWN_SMALL : IDB_CONTINUE_DOWN},
        {m_btnLogo, IDC_LOGO, small ? IDB_LOGO_SMALL : IDB_LOGO, 0},
    };
    for (auto& b : buttons) {
        b.button.SubclassDlgItem(b.id, this);
        b.button.LoadBitmaps(static_cast<UINT>(b.released), static_cast<UINT>(b.pushed), 0, 0);
        b.button.SizeToContent();
    }

    ListSearchSpec(m_lbFiles.m_hWnd, m_strSearchSpec);
    return TRUE;
}

void CBrowserDlg::OnOK()
{
    CDialog::OnOK();
    DestroyWindow();
}

void CBrowserDlg::OnCancel() { DestroyWindow(); }

void CBrowserDlg::OnDestroy()
{
    Default();
    PostQuitMessage(0);
}

void CBrowserDlg::PostNcDestroy()
{
    if (m_pSample)
        delete m_pSample;
    delete this;
}

CString CBrowserDlg::DecodeSelection()
{
    CString decoded;
    DlgDirSelectExA(m_hWnd, decoded.GetBuffer(kDecodeBufferBytes), kDecodeCount, IDC_FILE_LIST);
    decoded.ReleaseBuffer(-1);
    return decoded;
}

void CBrowserDlg::SetLook(CButton& button, BOOL pushed) { button.SendMessage(BM_SETSTATE, pushed ? 1 : 0, 0); }

void CBrowserDlg::ReleasePlayAndContinue()
{
    SetLook(m_btnPlay, FALSE);
    SetLook(m_btnContinue, FALSE);
}

void CBrowserDlg::DropSample()
{
    if (m_pSample) {
        delete m_pSample;
        m_pSample = nullptr;
    }
}

void CBrowserDlg::OnSelchangeFileList()
{
    DropSample();
    ReleasePlayAndContinue();
    CString decoded = DecodeSelection();
    if (ClassifyEntry(decoded) == EntryKind::kFile) {
        m_strSampleName = decoded;
        m_pSample = new CWaveSample(SamplePath(m_strSearchSpec, m_strSampleName));
        FormatSampleInfo(*m_pSample, m_strFrequency, m_strLength, m_strResolution);
    }
    UpdateData(FALSE);
}

void CBrowserDlg::OnDblclkFileList()
{
    CString decoded = DecodeSelection();
    if (ClassifyEntry(decoded) == EntryKind::kFile) {
        if (m_pSample) {
            if (m_pSample->m_bPlaying)
                OnStop();
            else
                OnPlay();
        }
        return;
    }
    DropSample();
    ReleasePlayAndContinue();
    m_strSearchSpec = NextSearchSpec(m_strSearchSpec, decoded);
    RelistSearchSpec(m_lbFiles.m_hWnd, m_strSearchSpec);
    m_strSampleName = "";
    m_strFrequency = "";
    m_strLength = "";
    m_strResolution = "";
    m_strSpecText = m_strSearchSpec;
    UpdateData(FALSE);
}

void CBrowserDlg::SetLooks(BOOL stop, BOOL play, BOOL cont)
{
    SetLook(m_btnStop, stop);
    SetLook(m_btnPlay, play);
    SetLook(m_btnContinue, cont);
}

void CBrowserDlg::OnPlay()
{
    if (m_pSample) {
        m_pSample->PlayFromStart(this);
        SetLooks(FALSE, TRUE, FALSE);
    } else {
        SetLooks(TRUE, FALSE, FALSE);
    }
}

void CBrowserDlg::OnContinue()
{
    if (m_pSample) {
        m_pSample->PauseOrContinue(this);
        SetLooks(FALSE, TRUE, m_pSample->m_bPlaying ? FALSE : TRUE);
    } else {
        SetLooks(TRUE, FALSE, FALSE);
    }
}

void CBrowserDlg::OnStop()
{
    if (m_pSample)
        m_pSample->Stop();
    ReleasePlayAndContinue();
}

LRESULT CBrowserDlg::OnMciNotify(WPARAM, LPARAM)
{
    if (m_pSample && m_pSample->m_bPlaying)
        OnStop();
    return 0;
}

void CBrowserDlg::MoveSelection(UINT vk)
{
    const int i = m_lbFiles.GetCurSel();
    if (vk == VK_UP) {
        m_lbFiles.SetCurSel(i - 1 > 0 ? i - 1 : 0);
    } else {
        const int n = m_lbFiles.GetCount();
        if (i + 1 < n)
            m_lbFiles.SetCurSel(i + 1);
    }
}

BOOL CBrowserDlg::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const int id = ::GetDlgCtrlID(pMsg->hwnd);
        if (id == IDC_PLAY) {
            OnPlay();
            return TRUE;
        }
        if (id == IDC_CONTINUE) {
            OnContinue();
            return TRUE;
        }
        return FALSE;
    }
    case WM_KEYDOWN:
        switch (pMsg->wParam) {
        case VK_DOWN:
        case VK_UP: MoveSelection(static_cast<UINT>(pMsg->wParam)); return TRUE;
        case VK_SPACE: OnDblclkFileList(); return TRUE;
        case 'X': OnOK(); return TRUE;
        case 'S': OnFileHandling(); return TRUE;
        case 'T': OnSaveTo(); return TRUE;
        case 'C': OnCreateDir(); return TRUE;
        case 'I': OnInfo(); return TRUE;
        case 'A': OnAbout(); return TRUE;
        default: return FALSE;
        }
    case WM_KEYUP:
        if (pMsg->wParam == VK_DOWN || pMsg->wParam == VK_UP) {
            OnSelchangeFileList();
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

// The auxiliary commands come with their dialogs; until then they do nothing.
void CBrowserDlg::OnAbout() {}
void CBrowserDlg::OnSaveTo() {}
void CBrowserDlg::OnFileHandling() {}
void CBrowserDlg::OnInfo() {}
void CBrowserDlg::OnCreateDir() {}
