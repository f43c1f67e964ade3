// The current sample: the WAV file selected last, the values probed from
// its header, and the state of its playback on the waveform-audio device
// (always under the alias "sample", so at most one may exist). UI thread.
#pragma once

#include "platform/framework/CObject.h"
#include "platform/framework/CString.h"
#include "platform/winapi/WinTypes.h"

class CWnd;

class CWaveSample : public CObject {
public:
    // Probes the file: the 16-bit fields at offsets 24 (rate) and 34 (bits)
    // and the file length. A file that cannot be opened leaves an empty path
    // and zeros. A read error after the open throws CFileException*.
    explicit CWaveSample(const CString& strPath);
    // Stop, then CloseDevice, then frees a copy buffer left by a copy.
    ~CWaveSample() override;

    WORD GetBitsPerSample() const { return m_nBitsPerSample; }
    WORD GetSamplesPerSec() const { return m_nSamplesPerSec; }
    DWORD GetLength() const { return m_dwLength; }

    // Each returns 1 on success (or when no command was needed) and 0 after
    // a failed command, whose error the user has already seen.
    int OpenDevice();
    int PlayFromStart(CWnd* pNotifyWnd);
    int Stop();
    int PauseOrContinue(CWnd* pNotifyWnd);
    int CloseDevice();

    CString m_strPath;
    HGLOBAL m_hCopyBuffer;
    WORD m_nBitsPerSample;
    WORD m_nSamplesPerSec;
    DWORD m_dwLength;
    BOOL m_bPlaying;
    BOOL m_bOpen;

private:
    // Sends one command; on failure shows its error text after prefix.
    BOOL SendCommand(const CString& command, HWND callback, const CString& prefix);
};

// Formats the three info texts, each into a buffer of 20 characters:
// "%u Hz", "%lu", "%u Bit".
void FormatSampleInfo(const CWaveSample& sample, CString& strFrequency, CString& strLength, CString& strResolution);
