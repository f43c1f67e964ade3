#include "platform/winapi/DriveMap.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

std::unique_ptr<DriveMap>& Slot()
{
    static std::unique_ptr<DriveMap> slot;
    return slot;
}

// /proc/mounts escapes blanks and a few other bytes as \ooo.
std::string UnescapeMountField(const std::string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() &&
            std::isdigit(static_cast<unsigned char>(s[i + 1])) && std::isdigit(static_cast<unsigned char>(s[i + 2])) &&
            std::isdigit(static_cast<unsigned char>(s[i + 3]))) {
            out += static_cast<char>((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0'));
            i += 3;
        } else {
            out += s[i];
        }
    }
    return out;
}

bool UnderMediaFolder(const std::string& path)
{
    static const char* const kPrefixes[] = {"/media/", "/run/media/", "/mnt/"};
    for (const char* p : kPrefixes) {
        std::string prefix(p);
        if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0)
            return true;
    }
    return false;
}

} // namespace

DriveMap::DriveMap(std::vector<Drive> drives) : m_drives(std::move(drives))
{
    for (Drive& d : m_drives) {
        d.letter = static_cast<char>(std::tolower(static_cast<unsigned char>(d.letter)));
        while (!d.root.empty() && d.root.back() == '/')
            d.root.pop_back();
    }
    std::sort(m_drives.begin(), m_drives.end(), [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
}

DriveMap& DriveMap::Current()
{
    auto& slot = Slot();
    if (!slot)
        slot.reset(new DriveMap(SystemTable()));
    return *slot;
}

void DriveMap::Install(std::vector<Drive> drives)
{
    Slot().reset(new DriveMap(std::move(drives)));
}

std::vector<Drive> DriveMap::SystemTable()
{
    std::vector<Drive> drives{{'c', ""}};
    std::vector<std::string> mounts;
    std::ifstream in("/proc/self/mounts");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string source, target;
        if (!(fields >> source >> target))
            continue;
        target = UnescapeMountField(target);
        if (UnderMediaFolder(target) && IsDriveName(target.substr(target.rfind('/') + 1)))
            mounts.push_back(target);
    }
    std::sort(mounts.begin(), mounts.end());
    mounts.erase(std::unique(mounts.begin(), mounts.end()), mounts.end());
    char letter = 'd';
    for (const std::string& m : mounts) {
        if (letter > 'z')
            break;
        if (m.find('\\') != std::string::npos)
            continue;
        drives.push_back({letter++, m});
    }
    return drives;
}

const Drive* DriveMap::Find(char letter) const
{
    char l = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    for (const Drive& d : m_drives)
        if (d.letter == l)
            return &d;
    return nullptr;
}

bool DriveMap::IsDriveName(const std::string& name)
{
    if (name.empty() || name.back() == ':')
        return false;
    return name.find('\\') == std::string::npos && name.find('/') == std::string::npos;
}

std::optional<std::string> DriveMap::ToPosix(const std::string& drivePath) const
{
    if (drivePath.size() < 2 || drivePath[1] != ':' || !std::isalpha(static_cast<unsigned char>(drivePath[0])))
        return std::nullopt;
    const Drive* drive = Find(drivePath[0]);
    if (!drive)
        return std::nullopt;
    std::string rest = drivePath.substr(2);
    if (!rest.empty() && rest[0] != '\\' && rest[0] != '/')
        return std::nullopt;   // "c:x" is relative to a current folder we do not keep
    std::string out = drive->root;
    for (char ch : rest)
        out += (ch == '\\') ? '/' : ch;
    if (out.empty())
        out = "/";
    return out;
}

std::optional<std::string> DriveMap::ToDrivePath(const std::string& posixPath) const
{
    if (posixPath.empty() || posixPath[0] != '/')
        return std::nullopt;
    const Drive* best = nullptr;
    for (const Drive& d : m_drives) {
        const std::string& r = d.root;
        bool prefix = r.empty() ||
                      (posixPath.compare(0, r.size(), r) == 0 && (posixPath.size() == r.size() || posixPath[r.size()] == '/'));
        if (prefix && (!best || r.size() > best->root.size()))
            best = &d;
    }
    if (!best)
        return std::nullopt;
    std::string rest = posixPath.substr(best->root.size());
    if (rest.find('\\') != std::string::npos)
        return std::nullopt;
    std::string out;
    out += best->letter;
    out += ':';
    if (rest.empty())
        rest = "/";
    for (char ch : rest)
        out += (ch == '/') ? '\\' : ch;
    return out;
}
