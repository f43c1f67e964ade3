#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser/SearchSpec.h"
#include "platform/winapi/DriveMap.h"
#include "platform/winapi/Window.h"
#include "support/TempTree.h"

TEST(SearchSpec, DerivedTextsAreCutByLength)
{
    struct Case {
        const char* spec;
        const char* directory;
        const char* pattern;
        const char* prefix;
    } cases[] = {
        {"c:\\*.wav", "c:\\", "c:\\*.*", "c:\\"},
        {"c:\\sub\\*.wav", "c:\\sub\\", "c:\\sub\\*.*", "c:\\sub\\"},
        {"c:\\a\\b\\*.wav", "c:\\a\\b\\", "c:\\a\\b\\*.*", "c:\\a\\b\\"},
        {"d:\\my.dir\\*.wav", "d:\\my.dir\\", "d:\\my.dir\\*.*", "d:\\my.dir\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DirectoryPart(c.spec), c.directory) << c.spec;
        EXPECT_EQ(ListingPattern(c.spec), c.pattern) << c.spec;
        EXPECT_EQ(CreateDirectoryPrefix(c.spec), c.prefix) << c.spec;
    }
    EXPECT_EQ(SamplePath("c:\\sub\\*.wav", "x.wav"), "c:\\sub\\x.wav");
    EXPECT_EQ(SamplePath("c:\\sub\\*.wav", ""), "c:\\sub\\");   // nothing selected: the folder itself
    EXPECT_EQ(CreateDirectoryPrefix("no separator"), "");
}

TEST(SearchSpec, EntriesAreClassifiedByTheirLastCharacter)
{
    struct Case {
        const char* decoded;
        EntryKind kind;
    } cases[] = {
        {"c:", EntryKind::kDrive},          {"..\\", EntryKind::kParent},
        {"sub\\", EntryKind::kSubdirectory}, {"my.dir\\", EntryKind::kSubdirectory},
        {"...\\", EntryKind::kSubdirectory}, {".\\", EntryKind::kSubdirectory},
        {"x.wav", EntryKind::kFile},         {"", EntryKind::kFile},
        {"..", EntryKind::kFile},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyEntry(c.decoded), c.kind) << '"' << c.decoded << '"';
}

TEST(SearchSpec, MovesGiveTheNextSpec)
{
    struct Case {
        const char* spec;
        const char* decoded;
        const char* next;
    } cases[] = {
        {"c:\\*.wav", "sub\\", "c:\\sub\\*.wav"},
        {"c:\\a\\b\\*.wav", "..\\", "c:\\a\\*.wav"},
        {"c:\\sub\\*.wav", "..\\", "c:\\*.wav"},
        {"c:\\a\\b\\*.wav", "d:", "d:\\*.wav"},   // the drive's root, not where we were there
        {"c:\\*.wav", "my.dir\\", "c:\\my.dir\\*.wav"},
        {"c:\\x\\*.wav", "...\\", "c:\\x\\...\\*.wav"},
        {"c:\\*.wav", "..\\", "c:\\*.wav"},       // nothing above a root: stay
        {"c:\\sub\\*.wav", "x.wav", "c:\\sub\\*.wav"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NextSearchSpec(c.spec, c.decoded), c.next) << c.spec << " + " << c.decoded;
}

TEST(SearchSpec, ListingSendsDirectoriesThenFilesAndRelistingEmptiesFirst)
{
    TempTree tree;
    tree.MakeDir("sub");
    tree.WriteFile("sub/a.wav", std::string("x"));
    tree.WriteFile("top.wav", std::string("x"));
    DriveMap::Install({{'c', tree.Root()}});
    HWND dialog = CreateWindowModel("dialog", "", 0, 0, nullptr, RECT{});
    HWND list = CreateWindowModel("listbox", "", LBS_SORT | LBS_NOTIFY, 3004, dialog, RECT{});

    ListSearchSpec(list, kStartSearchSpec);
    auto texts = [&] {
        std::vector<std::string> v;
        for (const auto& it : list->list->items)
            v.push_back(it.text);
        return v;
    };
    EXPECT_EQ(texts(), (std::vector<std::string>{"[-c-]", "[sub]", "top.wav"}));
    RelistSearchSpec(list, NextSearchSpec(kStartSearchSpec, "sub\\"));
    EXPECT_EQ(texts(), (std::vector<std::string>{"[-c-]", "[..]", "a.wav"}));

    DestroyWindow(dialog);
    DriveMap::Install(DriveMap::SystemTable());
}
