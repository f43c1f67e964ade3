#include "sample/WaveSample.h"

#include "platform/framework/CFile.h"
#include "platform/framework/CWnd.h"
#include "platform/framework/MessageBox.h"
#include "platform/mci/Mci.h"
#include "platform/winapi/Format.h"
#include "platform/winapi/GlobalMemory.h"

namespace {

constexpr int64_t kSamplesPerSecOffset = 24;
constexpr int64_t kBitsPerSampleOffset = 34;
constexpr UINT kErrorTextChars = 256;
constexpr int kInfoTextChars = 20;

// Two little-endian bytes at offset; 0 when the file ends before them.
WORD ReadWord(CFile& file, int64_t offset)
{
    unsigned char bytes[2] = {0, 0};
    file.Seek(offset, CFile::begin);
    if (file.Read(bytes, 2) < 2)
        return 0;
    return static_cast<WORD>(bytes[0] | (bytes[1] << 8));
}

HWND HandleOf(CWnd* wnd) { return wnd ? wnd->m_hWnd : nullptr; }

} // namespace

CWaveSample::CWaveSample(const CString& strPath)
    : m_strPath(strPath), m_hCopyBuffer(nullptr), m_nBitsPerSample(0), m_nSamplesPerSec(0), m_dwLength(0),
      m_bPlaying(FALSE), m_bOpen(FALSE)
{
    CFile file;
    CFileException error;
    if (file.Open(m_strPath, CFile::modeRead, &error)) {
        m_nSamplesPerSec = ReadWord(file, kSamplesPerSecOffset);
        m_nBitsPerSample = ReadWord(file, kBitsPerSampleOffset);
        m_dwLength = static_cast<DWORD>(file.GetLength());
        file.Close();
    } else {
        m_strPath = "";
        m_dwLength = 0;
        m_nSamplesPerSec = 0;
        m_nBitsPerSample = 0;
    }
    m_bPlaying = FALSE;
    m_bOpen = FALSE;
}

CWaveSample::~CWaveSample()
{
    Stop();
    CloseDevice();
    if (m_hCopyBuffer) {
        GlobalFree(m_hCopyBuffer);
        m_hCopyBuffer = nullptr;
    }
}

BOOL CWaveSample::SendCommand(const CString& command, HWND callback, const CString& prefix)
{
    MCIERROR error = mciSendStringA(command, nullptr, 0, callback);
    if (error == 0)
        return TRUE;
    CString text;
    mciGetErrorStringA(error, text.GetBuffer(kErrorTextChars), kErrorTextChars);
    text.ReleaseBuffer(-1);
    AfxMessageBox(prefix + text, MB_OK, 0);
    return FALSE;
}

int CWaveSample::OpenDevice()
{
    if (!SendCommand("open waveaudio!" + m_strPath + " alias sample", nullptr, m_strPath + "\n\r"))
        return 0;
    m_bOpen = TRUE;
    return 1;
}

int CWaveSample::PlayFromStart(CWnd* pNotifyWnd)
{
    if (!m_bOpen)
        OpenDevice();
    if (!SendCommand("play sample from 0 notify", HandleOf(pNotifyWnd), ""))
        return 0;
    m_bPlaying = TRUE;
    return 1;
}

int CWaveSample::Stop()
{
    if (!m_bOpen)
        OpenDevice();
    if (!m_bPlaying)
        return 1;
    if (!SendCommand("stop sample", nullptr, ""))
        return 0;
    m_bPlaying = FALSE;
    return 1;
}

int CWaveSample::PauseOrContinue(CWnd* pNotifyWnd)
{
    if (!m_bOpen)
        OpenDevice();
    if (m_bPlaying) {
        if (!SendCommand("stop sample", nullptr, ""))
            return 0;
        m_bPlaying = FALSE;
        return 1;
    }
    if (!SendCommand("play sample notify", HandleOf(pNotifyWnd), ""))
        return 0;
    m_bPlaying = TRUE;
    return 1;
}

int CWaveSample::CloseDevice()
{
    if (!m_bOpen)
        return 1;
    if (!SendCommand("close sample", nullptr, ""))
        return 0;
    m_bOpen = FALSE;
    return 1;
}

void FormatSampleInfo(const CWaveSample& sample, CString& strFrequency, CString& strLength, CString& strResolution)
{
    char buffer[kInfoTextChars];
    wsprintfA(buffer, "%u Hz", static_cast<unsigned>(sample.GetSamplesPerSec()));
    strFrequency = buffer;
    wsprintfA(buffer, "%lu", static_cast<DWORD>(sample.GetLength()));
    strLength = buffer;
    wsprintfA(buffer, "%u Bit", static_cast<unsigned>(sample.GetBitsPerSample()));
    strResolution = buffer;
}
