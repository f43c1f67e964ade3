#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/winapi/DriveMap.h"
#include "platform/winapi/Window.h"
#include "support/TempTree.h"

namespace {

constexpr int kListId = 3004;
constexpr UINT kDirsAndDrives = 0xC010;
constexpr UINT kFiles = 0x0020;

class ListingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DriveMap::Install({{'c', tree.Root()}, {'d', other.Root()}});
        dialog = CreateWindowModel("dialog", "", 0, 0, nullptr, RECT{});
        list = CreateWindowModel("listbox", "", LBS_SORT | LBS_NOTIFY, kListId, dialog, RECT{});
    }
    void TearDown() override
    {
        DestroyWindow(dialog);
        DriveMap::Install(DriveMap::SystemTable());
    }

    void List(const char* pattern, const char* spec)
    {
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        SendMessageA(list, LB_DIR, kDirsAndDrives, reinterpret_cast<LPARAM>(pattern));
        SendMessageA(list, LB_DIR, kFiles, reinterpret_cast<LPARAM>(spec));
    }

    std::vector<std::string> Shown() const
    {
        std::vector<std::string> out;
        for (const ListBoxItem& it : list->list->items)
            out.push_back(it.text);
        return out;
    }

    std::string Decode(int index)
    {
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        char buffer[512] = "";
        DlgDirSelectExA(dialog, buffer, 260, kListId);
        return buffer;
    }

    TempTree tree, other;
    HWND dialog = nullptr, list = nullptr;
};

} // namespace

TEST_F(ListingTest, RootListsDrivesDirectoriesAndWavFilesInOneSortedOrder)
{
    tree.MakeDir("sub");
    tree.MakeDir("my.dir");
    tree.MakeDir("...");
    tree.MakeDir("sounds.wav");                 // a directory is no file, whatever its name
    tree.WriteFile("a.wav", std::string("x"));
    tree.WriteFile("Drum.WAV", std::string("x"));
    tree.WriteFile("UPPER.Wav", std::string("x"));
    tree.WriteFile("notes.txt", std::string("x"));
    tree.WriteFile("wav", std::string("x"));
    ASSERT_EQ(symlink("a.wav", tree.Path("link.wav").c_str()), 0);
    ASSERT_EQ(symlink("nowhere.wav", tree.Path("dangling.wav").c_str()), 0);

    List("c:\\*.*", "c:\\*.wav");

    std::vector<std::string> want = {"[-c-]", "[-d-]", "[...]", "[my.dir]", "[sounds.wav]", "[sub]",
                                     "a.wav", "Drum.WAV", "link.wav", "UPPER.Wav"};
    EXPECT_EQ(Shown(), want);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(ListingTest, DecodedTextsTellDrivesDirectoriesParentAndFiles)
{
    tree.MakeDir("sub/inner");
    tree.WriteFile("sub/kick 01.wav", std::string("x"));
    List("c:\\sub\\*.*", "c:\\sub\\*.wav");
    ASSERT_EQ(Shown(), (std::vector<std::string>{"[-c-]", "[-d-]", "[..]", "[inner]", "kick 01.wav"}));
    EXPECT_EQ(Decode(0), "c:");
    EXPECT_EQ(Decode(2), "..\\");
    EXPECT_EQ(Decode(3), "inner\\");
    EXPECT_EQ(Decode(4), "kick 01.wav");

    char buffer[512] = "";
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EXPECT_FALSE(DlgDirSelectExA(dialog, buffer, 260, kListId));
    EXPECT_STREQ(buffer, "");   // nothing selected: the buffer stays empty
}

TEST_F(ListingTest, ParentEntryOnlyBelowADriveRoot)
{
    tree.MakeDir("a/b");
    struct Case {
        const char* pattern;
        bool parent;
    } cases[] = {{"c:\\*.*", false}, {"c:\\a\\*.*", true}, {"c:\\a\\b\\*.*", true}, {"d:\\*.*", false}};
    for (const Case& c : cases) {
        List(c.pattern, "c:\\none\\*.wav");
        auto shown = Shown();
        EXPECT_EQ(std::count(shown.begin(), shown.end(), "[..]"), c.parent ? 1 : 0) << c.pattern;
    }
}

TEST_F(ListingTest, NamesThatCannotBeDrivePathsAreSkipped)
{
    tree.WriteFile("back\\slash.wav", std::string("x"));
    tree.MakeDir("colon:");
    tree.WriteFile("caf\xC3\xA9.wav", std::string("x"));
    tree.WriteFile("bad\xFF\x01.wav", std::string("x"));   // not UTF-8: listed as its bytes
    List("c:\\*.*", "c:\\*.wav");
    EXPECT_EQ(Shown(), (std::vector<std::string>{"[-c-]", "[-d-]", "bad\xFF\x01.wav", "caf\xC3\xA9.wav"}));
}

TEST_F(ListingTest, AMissingOrUnreadableDirectoryListsOnlyTheDrives)
{
    List("c:\\gone\\*.*", "c:\\gone\\*.wav");
    EXPECT_EQ(Shown(), (std::vector<std::string>{"[-c-]", "[-d-]"}));

    tree.MakeDir("locked/sub");
    tree.WriteFile("locked/x.wav", std::string("x"));
    chmod(tree.Root().c_str(), 0755);
    chmod(tree.Path("locked").c_str(), 0);
    // Root reads any folder, so look through the eyes of an ordinary user.
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (getuid() == 0 && setuid(65534) != 0)
            _exit(3);
        List("c:\\locked\\*.*", "c:\\locked\\*.wav");
        _exit(Shown() == std::vector<std::string>{"[-c-]", "[-d-]"} ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(ListingTest, UserInputMovesTheSelectionAndReportsIt)
{
    for (const char* n : {"a.wav", "b.wav", "c.wav", "d.wav"})
        tree.WriteFile(n, std::string("x"));
    SendMessageA(list, LB_DIR, kFiles, reinterpret_cast<LPARAM>("c:\\*.wav"));
    struct Case {
        UINT vk;
        int from, to;
    } cases[] = {
        {VK_HOME, 2, 0}, {VK_END, 0, 3}, {VK_DOWN, 3, 3}, {VK_UP, 0, 0}, {VK_DOWN, -1, 0}, {VK_NEXT, 0, 3},
    };
    list->list->visibleRows = 4;
    for (const Case& c : cases) {
        list->list->cursel = c.from;
        EXPECT_TRUE(ListBoxKey(list, c.vk));
        EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), c.to) << "vk " << c.vk << " from " << c.from;
    }
    list->list->cursel = 0;
    EXPECT_TRUE(ListBoxChar(list, 'C'));
    EXPECT_EQ(list->list->cursel, 2);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 9, 0), LB_ERR);   // outside the list: nothing changes
    EXPECT_EQ(list->list->cursel, 2);
}
