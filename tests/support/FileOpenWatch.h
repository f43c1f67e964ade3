// Counts the files (not folders) opened in one folder, through inotify, so
// that a test or benchmark sees the program's opens from outside its code.
#pragma once

#include <string>

class FileOpenWatch {
public:
    explicit FileOpenWatch(const std::string& folder);
    ~FileOpenWatch();
    FileOpenWatch(const FileOpenWatch&) = delete;
    FileOpenWatch& operator=(const FileOpenWatch&) = delete;

    bool Ok() const { return m_fd >= 0; }
    // Files opened since the last call (or since the watch began).
    int TakeFileOpens();

private:
    int m_fd = -1;
};
