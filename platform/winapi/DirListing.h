// The directory service behind LB_DIR: what one pass with given attributes
// and a drive-path file spec lists. Pure file-system work, no window.
#pragma once

#include <string>
#include <vector>

#include "platform/winapi/WinTypes.h"

struct DirEntry {
    enum Kind { kDrive, kParent, kDirectory, kFile };
    Kind kind;
    std::string name;   // drive: the letter; parent: ".."; others: the file name

    // What the list shows: "[-c-]", "[..]", "[name]", "name".
    std::string DisplayText() const;
};

// One LB_DIR pass. attrs: DDL_DRIVES adds every drive, DDL_DIRECTORY the
// subdirectories matching the pattern and the parent entry below a drive
// root, and without DDL_EXCLUSIVE the regular files matching the pattern
// ("*.wav" matches case-insensitively). A folder that cannot be read adds
// nothing of its own. Entries come unsorted.
std::vector<DirEntry> ListDirectory(UINT attrs, const std::string& driveSpec);

// Wildcard match with '*' and '?', case-insensitive; "*.*" matches every name.
bool MatchesPattern(const std::string& pattern, const std::string& name);
