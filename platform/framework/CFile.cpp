#include "platform/framework/CFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <set>
#include <utility>

#include "platform/winapi/DriveMap.h"

namespace {

// Files held by open CFile objects, for the exclusive hold.
std::mutex g_heldLock;
std::set<std::pair<uint64_t, uint64_t>>& Held()
{
    static std::set<std::pair<uint64_t, uint64_t>> held;
    return held;
}

bool Hold(uint64_t dev, uint64_t ino)
{
    std::lock_guard<std::mutex> g(g_heldLock);
    return Held().insert({dev, ino}).second;
}

void Release(uint64_t dev, uint64_t ino)
{
    std::lock_guard<std::mutex> g(g_heldLock);
    Held().erase({dev, ino});
}

// A write past RLIMIT_FSIZE must fail with EFBIG, not kill the program.
void IgnoreFileSizeSignal()
{
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

void Fill(CFileException* error, int cause, LONG osError, const CString& name)
{
    if (error) {
        error->m_cause = cause;
        error->m_lOsError = osError;
        error->m_strFileName = name;
    }
}

} // namespace

int CFileException::OsErrorToException(LONG osError)
{
    switch (osError) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return accessDenied;
    case EBADF: return invalidFile;
    case ESPIPE: return badSeek;
    case EIO: return hardIO;
    case EBUSY:
    case ETXTBSY: return sharingViolation;
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return diskFull;
    default: return genericException;
    }
}

CString CFileException::GetErrorMessage() const
{
    CString reason;
    if (m_cause == sharingViolation && m_lOsError == EBUSY)
        reason = "the file is in use by this program";
    else if (m_lOsError > 0)
        reason = std::strerror(static_cast<int>(m_lOsError));
    else
        reason = "unknown error";
    return m_strFileName.IsEmpty() ? reason : m_strFileName + ": " + reason;
}

void CFileException::ThrowOsError(LONG osError, const CString& fileName)
{
    throw new CFileException(OsErrorToException(osError), osError, fileName);
}

CFile::~CFile() { Abort(); }

BOOL CFile::Open(LPCSTR fileName, UINT openFlags, CFileException* error)
{
    IgnoreFileSizeSignal();
    Abort();
    CString name(fileName);
    auto posix = DriveMap::Current().ToPosix(name.str());
    if (!posix) {
        Fill(error, CFileException::badPath, ENOENT, name);
        return FALSE;
    }
    const bool write = (openFlags & (modeWrite | modeReadWrite)) != 0;
    int flags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    flags |= (openFlags & modeReadWrite) ? O_RDWR : (write ? O_WRONLY : O_RDONLY);
    if (openFlags & modeCreate)
        flags |= O_CREAT;
    // Truncation waits until the file is known to be a regular file we may hold.
    int fd = ::open(posix->c_str(), flags, 0666);
    if (fd < 0) {
        int e = errno;
        Fill(error, CFileException::OsErrorToException(e), e, name);
        return FALSE;
    }
    struct stat st;
    bool statted = fstat(fd, &st) == 0;
    if (!statted || !S_ISREG(st.st_mode)) {
        int e = !statted ? errno : (S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        ::close(fd);
        Fill(error, CFileException::OsErrorToException(e), e, name);
        return FALSE;
    }
    if (!Hold(st.st_dev, st.st_ino)) {
        ::close(fd);
        Fill(error, CFileException::sharingViolation, EBUSY, name);
        return FALSE;
    }
    if ((openFlags & modeCreate) && !(openFlags & modeNoTruncate) && ftruncate(fd, 0) != 0) {
        int e = errno;
        Release(st.st_dev, st.st_ino);
        ::close(fd);
        Fill(error, CFileException::OsErrorToException(e), e, name);
        return FALSE;
    }
    // Regular files never block; plain blocking calls from here on.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_fd = fd;
    m_dev = st.st_dev;
    m_ino = st.st_ino;
    m_strFileName = name;
    return TRUE;
}

int64_t CFile::Seek(int64_t offset, UINT from)
{
    int whence = from == current ? SEEK_CUR : (from == end ? SEEK_END : SEEK_SET);
    off_t pos = m_fd < 0 ? -1 : lseek(m_fd, static_cast<off_t>(offset), whence);
    if (pos < 0)
        CFileException::ThrowOsError(m_fd < 0 ? EBADF : errno, m_strFileName);
    return pos;
}

UINT CFile::Read(void* buffer, UINT count)
{
    if (m_fd < 0)
        CFileException::ThrowOsError(EBADF, m_strFileName);
    UINT done = 0;
    while (done < count) {
        ssize_t n = ::read(m_fd, static_cast<char*>(buffer) + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            CFileException::ThrowOsError(errno, m_strFileName);
        }
        if (n == 0)
            break;
        done += static_cast<UINT>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, UINT count)
{
    IgnoreFileSizeSignal();
    if (m_fd < 0)
        CFileException::ThrowOsError(EBADF, m_strFileName);
    UINT done = 0;
    while (done < count) {
        ssize_t n = ::write(m_fd, static_cast<const char*>(buffer) + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            CFileException::ThrowOsError(errno, m_strFileName);
        }
        if (n == 0)
            CFileException::ThrowOsError(ENOSPC, m_strFileName);
        done += static_cast<UINT>(n);
    }
}

uint64_t CFile::GetLength() const
{
    struct stat st;
    if (m_fd < 0 || fstat(m_fd, &st) != 0)
        CFileException::ThrowOsError(m_fd < 0 ? EBADF : errno, m_strFileName);
    return static_cast<uint64_t>(st.st_size);
}

void CFile::Close()
{
    if (m_fd < 0)
        return;
    int fd = m_fd;
    m_fd = -1;
    Release(m_dev, m_ino);
    if (::close(fd) != 0 && errno != EINTR)
        CFileException::ThrowOsError(errno, m_strFileName);
}

void CFile::Abort()
{
    if (m_fd < 0)
        return;
    Release(m_dev, m_ino);
    ::close(m_fd);
    m_fd = -1;
}
