#include "support/FileOpenWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

FileOpenWatch::FileOpenWatch(const std::string& folder)
{
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd >= 0 && inotify_add_watch(m_fd, folder.c_str(), IN_OPEN) < 0) {
        close(m_fd);
        m_fd = -1;
    }
}

FileOpenWatch::~FileOpenWatch()
{
    if (m_fd >= 0)
        close(m_fd);
}

int FileOpenWatch::TakeFileOpens()
{
    int opens = 0;
    alignas(inotify_event) char buf[1 << 16];
    for (ssize_t n; m_fd >= 0 && (n = read(m_fd, buf, sizeof buf)) > 0;) {
        for (char* p = buf; p < buf + n;) {
            auto* e = reinterpret_cast<inotify_event*>(p);
            if ((e->mask & IN_OPEN) && !(e->mask & IN_ISDIR))
                ++opens;
            p += sizeof(inotify_event) + e->len;
        }
    }
    return opens;
}
