#include "platform/winapi/DirListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>

#include "platform/winapi/DriveMap.h"

std::string DirEntry::DisplayText() const
{
    switch (kind) {
    case kDrive: return std::string("[-") + name + "-]";
    case kParent: return "[..]";
    case kDirectory: return "[" + name + "]";
    case kFile: break;
    }
    return name;
}

namespace {

inline unsigned char Fold(unsigned char c) { return static_cast<unsigned char>(std::tolower(c)); }

bool Match(const char* p, const char* n)
{
    // Iterative glob with one backtrack point: linear for the patterns we see.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*n) {
        if (*p == '*') {
            star = p++;
            resume = n;
        } else if (*p == '?' || (*p && Fold(*p) == Fold(*n))) {
            ++p;
            ++n;
        } else if (star) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (*p == '*')
        ++p;
    return *p == '\0';
}

enum class Type { kOther, kDirectory, kRegular };

Type TypeOf(int dirFd, const struct dirent* e)
{
    if (e->d_type == DT_DIR)
        return Type::kDirectory;
    if (e->d_type == DT_REG)
        return Type::kRegular;
    if (e->d_type != DT_LNK && e->d_type != DT_UNKNOWN)
        return Type::kOther;
    struct stat st;
    if (fstatat(dirFd, e->d_name, &st, 0) != 0)
        return Type::kOther;   // dangling link, vanished entry
    if (S_ISDIR(st.st_mode))
        return Type::kDirectory;
    return S_ISREG(st.st_mode) ? Type::kRegular : Type::kOther;
}

} // namespace

bool MatchesPattern(const std::string& pattern, const std::string& name)
{
    if (pattern == "*.*" || pattern == "*")
        return true;
    return Match(pattern.c_str(), name.c_str());
}

std::vector<DirEntry> ListDirectory(UINT attrs, const std::string& driveSpec)
{
    std::vector<DirEntry> out;
    const DriveMap& map = DriveMap::Current();
    if (attrs & DDL_DRIVES)
        for (const Drive& d : map.Drives())
            out.push_back({DirEntry::kDrive, std::string(1, d.letter)});

    const bool wantDirs = (attrs & DDL_DIRECTORY) != 0;
    const bool wantFiles = (attrs & DDL_EXCLUSIVE) == 0;
    if (!wantDirs && !wantFiles)
        return out;

    size_t cut = driveSpec.find_last_of("\\/");
    if (cut == std::string::npos)
        return out;
    std::string pattern = driveSpec.substr(cut + 1);
    if (pattern.empty())
        pattern = "*.*";
    auto folder = map.ToPosix(driveSpec.substr(0, cut + 1));
    if (!folder)
        return out;

    // O_NONBLOCK keeps a FIFO named like a folder from blocking us.
    int fd = open(folder->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return out;
    DIR* dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return out;
    }

    if (wantDirs) {
        // Below a drive root ("x:\") there is a way up.
        if (cut + 1 > 3 && MatchesPattern(pattern, ".."))
            out.push_back({DirEntry::kParent, ".."});
    }

    while (const struct dirent* e = readdir(dir)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0')))
            continue;
        std::string name(n);
        if (!DriveMap::IsDriveName(name) || !MatchesPattern(pattern, name))
            continue;
        Type t = TypeOf(dirfd(dir), e);
        if (t == Type::kDirectory && wantDirs)
            out.push_back({DirEntry::kDirectory, std::move(name)});
        else if (t == Type::kRegular && wantFiles)
            out.push_back({DirEntry::kFile, std::move(name)});
    }
    closedir(dir);
    return out;
}
