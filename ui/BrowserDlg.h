// The program's one window: a modeless dialog that lists drives,
// directories and WAV files, shows the selected sample's values and plays
// it with three bitmap buttons. It deletes itself after its window is gone.
#pragma once

#include "platform/framework/CBitmapButton.h"
#include "platform/framework/CDialog.h"
#include "platform/framework/CListBox.h"
#include "platform/framework/CString.h"

class CWaveSample;

class CBrowserDlg : public CDialog {
public:
    // Creates the window; OnInitDialog has run when it returns.
    explicit CBrowserDlg(CWnd* pParent = nullptr);
    ~CBrowserDlg() override;

    CBitmapButton m_btnStop;
    CBitmapButton m_btnPlay;
    CBitmapButton m_btnContinue;
    CBitmapButton m_btnLogo;
    CString m_strSearchSpec;
    CWaveSample* m_pSample;
    CString m_strSampleName;
    CString m_strResolution;
    CString m_strFrequency;
    CString m_strLength;
    CListBox m_lbFiles;
    CString m_strSpecText;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnDestroy();
    afx_msg void OnAbout();
    afx_msg void OnSelchangeFileList();
    afx_msg void OnDblclkFileList();
    afx_msg void OnStop();
    afx_msg void OnSaveTo();
    afx_msg void OnFileHandling();
    afx_msg void OnInfo();
    afx_msg void OnCreateDir();
    afx_msg LRESULT OnMciNotify(WPARAM wParam, LPARAM lParam);
    void OnPlay();
    void OnContinue();

    DECLARE_MESSAGE_MAP()

private:
    CString DecodeSelection();
    void SetLook(CButton& button, BOOL pushed);
    // Stop, Play, Continue, set in that order.
    void SetLooks(BOOL stop, BOOL play, BOOL cont);
    void ReleasePlayAndContinue();
    void DropSample();
    void MoveSelection(UINT vk);
};
