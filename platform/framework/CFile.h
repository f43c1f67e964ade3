// Files named by drive paths. Open never throws: it returns FALSE and fills
// the exception object when one is given. Seek, Read, Write and Close throw
// CFileException (by pointer, as the framework does) with the cause, the
// errno and the file name. A file is held exclusively while open: a second
// open of the same file in this process fails with a sharing violation, so a
// copy onto its own source cannot empty it.
#pragma once

#include <cstdint>

#include "platform/framework/CObject.h"
#include "platform/framework/CString.h"
#include "platform/winapi/WinTypes.h"

class CException : public CObject {
public:
    // Frees an exception caught by pointer.
    void Delete() { delete this; }
};

class CFileException : public CException {
public:
    enum {
        none = 0,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    CFileException(int cause = none, LONG osError = -1, const CString& fileName = CString())
        : m_cause(cause), m_lOsError(osError), m_strFileName(fileName)
    {
    }

    // The cause for an errno value.
    static int OsErrorToException(LONG osError);
    // "<file>: <reason>" in words, for a message box.
    CString GetErrorMessage() const;
    [[noreturn]] static void ThrowOsError(LONG osError, const CString& fileName);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class CFile : public CObject {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        modeNoTruncate = 0x2000,
        modeCreate = 0x1000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // modeRead opens an existing regular file and never blocks (a FIFO or a
    // device is refused); modeCreate|modeWrite creates or empties one.
    BOOL Open(LPCSTR fileName, UINT openFlags, CFileException* error = nullptr);
    int64_t Seek(int64_t offset, UINT from);
    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);
    uint64_t GetLength() const;
    void Close();
    // Closes without throwing.
    void Abort();

    CString GetFilePath() const { return m_strFileName; }
    bool IsOpen() const { return m_fd >= 0; }

private:
    int m_fd = -1;
    uint64_t m_dev = 0, m_ino = 0;
    CString m_strFileName;
};
