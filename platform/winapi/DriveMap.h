// The drive map: which POSIX folder each drive letter stands for, and the
// exact translation of drive paths ("c:\home\ann\x.wav") to POSIX paths and
// back. c: is "/" and further letters stand for mounted media, unless a test
// installs a table of its own. Used from the UI thread and the audio thread
// (translation only); installing a table is not synchronised and belongs to
// start-up.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct Drive {
    char letter;        // lower case, 'a'..'z'
    std::string root;   // absolute POSIX folder without a trailing '/', "" for "/"
};

class DriveMap {
public:
    // The map used by the platform: the system's own until Install is called.
    static DriveMap& Current();
    // Replaces the current table (tests, test hosts). Letters are kept sorted.
    static void Install(std::vector<Drive> drives);
    // The system's table: c: at "/", then mount points under /media,
    // /run/media and /mnt in path order as d:, e:, ...
    static std::vector<Drive> SystemTable();

    const std::vector<Drive>& Drives() const { return m_drives; }
    const Drive* Find(char letter) const;

    // "c:\a\b" -> "/a/b". Accepts "\" and "/" as separators and any case of
    // the letter. Fails for a relative path or an unknown drive.
    std::optional<std::string> ToPosix(const std::string& drivePath) const;
    // "/a/b" -> "c:\a\b"; the drive whose root is the longest prefix wins.
    // Fails when a component holds "\" (it could not be written back).
    std::optional<std::string> ToDrivePath(const std::string& posixPath) const;

    // True when the name can stand as one component of a drive path.
    static bool IsDriveName(const std::string& name);

private:
    explicit DriveMap(std::vector<Drive> drives);
    std::vector<Drive> m_drives;
};
