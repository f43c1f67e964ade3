// The search spec names the place reached: a drive, ":", "\", zero or more
// directory names each followed by "\", then "*.wav". Everything here is cut
// from it by length, never by searching for "*.wav".
#pragma once

#include "platform/framework/CString.h"
#include "platform/winapi/WinTypes.h"

constexpr const char* kStartSearchSpec = "c:\\*.wav";

enum class EntryKind { kDrive, kParent, kSubdirectory, kFile };

// "c:\sub\*.wav" -> "c:\sub\"
CString DirectoryPart(const CString& spec);
// "c:\sub\*.wav" -> "c:\sub\*.*"
CString ListingPattern(const CString& spec);
// directory part followed by the decoded file name
CString SamplePath(const CString& spec, const CString& fileName);
// The shown spec up to and including its last "\"; "" when it has none.
CString CreateDirectoryPrefix(const CString& specText);

// By the last character: ":" a drive, "\" a directory ("..\" exactly is the
// parent), anything else (the empty text too) a file.
EntryKind ClassifyEntry(const CString& decoded);

// The spec after activating a drive, parent or subdirectory entry; the spec
// itself for a file entry.
CString NextSearchSpec(const CString& spec, const CString& decoded);

// The listing: drives, subdirectories and the parent, then the spec's files.
void ListSearchSpec(HWND list, const CString& spec);
// The listing after a move: the list is emptied first.
void RelistSearchSpec(HWND list, const CString& spec);
