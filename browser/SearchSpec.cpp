#include "browser/SearchSpec.h"

#include "platform/winapi/Window.h"

namespace {
constexpr int kPatternChars = 5;        // "*.wav"
constexpr int kExtensionChars = 3;      // "wav"
constexpr UINT kListDirsAndDrives = DDL_EXCLUSIVE | DDL_DRIVES | DDL_DIRECTORY;   // 0xC010
constexpr UINT kListFiles = DDL_ARCHIVE;                                          // 0x0020
} // namespace

CString DirectoryPart(const CString& spec) { return spec.Left(spec.GetLength() - kPatternChars); }

CString ListingPattern(const CString& spec) { return spec.Left(spec.GetLength() - kExtensionChars) + "*"; }

CString SamplePath(const CString& spec, const CString& fileName) { return DirectoryPart(spec) + fileName; }

CString CreateDirectoryPrefix(const CString& specText)
{
    int last = specText.ReverseFind('\\');
    return last < 0 ? CString() : specText.Left(last + 1);
}

EntryKind ClassifyEntry(const CString& decoded)
{
    if (decoded.IsEmpty())
        return EntryKind::kFile;
    char last = decoded[decoded.GetLength() - 1];
    if (last == ':')
        return EntryKind::kDrive;
    if (last == '\\')
        return decoded == "..\\" ? EntryKind::kParent : EntryKind::kSubdirectory;
    return EntryKind::kFile;
}

CString NextSearchSpec(const CString& spec, const CString& decoded)
{
    switch (ClassifyEntry(decoded)) {
    case EntryKind::kDrive:
        return decoded + "\\*.wav";
    case EntryKind::kSubdirectory:
        return spec.Left(spec.GetLength() - kPatternChars) + decoded + "*.wav";
    case EntryKind::kParent: {
        CString up = spec.Left(spec.GetLength() - kPatternChars - 1);
        int last = up.ReverseFind('\\');
        // At a drive root there is nothing above; stay rather than lose the
        // drive part of the spec.
        if (last < 0)
            return spec;
        return up.Left(last + 1) + "*.wav";
    }
    case EntryKind::kFile:
        break;
    }
    return spec;
}

void ListSearchSpec(HWND list, const CString& spec)
{
    CString pattern = ListingPattern(spec);
    SendMessageA(list, LB_DIR, kListDirsAndDrives, reinterpret_cast<LPARAM>(static_cast<const char*>(pattern)));
    SendMessageA(list, LB_DIR, kListFiles, reinterpret_cast<LPARAM>(static_cast<const char*>(spec)));
}

void RelistSearchSpec(HWND list, const CString& spec)
{
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    ListSearchSpec(list, spec);
}
