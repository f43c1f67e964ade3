#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <future>
#include <string>

#include "platform/framework/CFile.h"
#include "platform/winapi/DriveMap.h"
#include "support/TempTree.h"

class FileTest : public ::testing::Test {
protected:
    void SetUp() override { DriveMap::Install({{'c', tree.Root()}}); }
    void TearDown() override { DriveMap::Install(DriveMap::SystemTable()); }
    TempTree tree;
};

TEST_F(FileTest, ReadsSeeksAndMeasuresARegularFile)
{
    tree.WriteFile("a.bin", std::string("0123456789"));
    CFile f;
    ASSERT_TRUE(f.Open("c:\\a.bin", CFile::modeRead));
    EXPECT_EQ(f.GetLength(), 10u);
    EXPECT_EQ(f.Seek(4, CFile::begin), 4);
    char buf[8] = {};
    EXPECT_EQ(f.Read(buf, 3), 3u);
    EXPECT_EQ(std::string(buf, 3), "456");
    f.Seek(8, CFile::begin);
    EXPECT_EQ(f.Read(buf, 8), 2u);   // short read at the end
    EXPECT_EQ(f.Read(buf, 8), 0u);
}

TEST_F(FileTest, OpenForReadingRefusesAllButRegularFilesWithoutBlocking)
{
    tree.MakeDir("dir.wav");
    ASSERT_EQ(mkfifo(tree.Path("fifo.wav").c_str(), 0600), 0);
    struct Case {
        const char* path;
        int cause;
    } cases[] = {
        {"c:\\missing.wav", CFileException::fileNotFound},
        {"c:\\dir.wav", CFileException::accessDenied},
        {"c:\\fifo.wav", CFileException::badPath},
        {"z:\\nodrive.wav", CFileException::badPath},
        {"", CFileException::badPath},
    };
    for (const Case& c : cases) {
        // A FIFO with no writer would block a plain open forever.
        auto opened = std::async(std::launch::async, [&] {
            CFile f;
            CFileException e;
            BOOL ok = f.Open(c.path, CFile::modeRead, &e);
            return std::make_pair(ok, e);
        });
        ASSERT_EQ(opened.wait_for(std::chrono::seconds(5)), std::future_status::ready) << c.path << " hung";
        auto [ok, e] = opened.get();
        EXPECT_FALSE(ok) << c.path;
        EXPECT_EQ(e.m_cause, c.cause) << c.path;
        EXPECT_EQ(e.m_strFileName, c.path);
    }
    CFile f;
    EXPECT_FALSE(f.Open("c:\\missing.wav", CFile::modeRead));   // no exception object: still no throw
}

TEST_F(FileTest, CreateEmptiesAnExistingFileAndWritesAll)
{
    tree.WriteFile("out.wav", std::string(1000, 'x'));
    {
        CFile f;
        ASSERT_TRUE(f.Open("c:\\out.wav", CFile::modeCreate | CFile::modeWrite));
        f.Write("abc", 3);
        f.Write("", 0);
        f.Close();
    }
    EXPECT_EQ(tree.ReadFile("out.wav"), "abc");
    CFile bad;
    EXPECT_FALSE(bad.Open("c:\\no\\such\\dir\\out.wav", CFile::modeCreate | CFile::modeWrite));
}

TEST_F(FileTest, AFileHeldOpenCannotBeOpenedAgainSoItIsNotEmptied)
{
    tree.WriteFile("src.wav", std::string("precious"));
    CFile src;
    ASSERT_TRUE(src.Open("c:\\src.wav", CFile::modeRead));
    CFile dst;
    CFileException e;
    EXPECT_FALSE(dst.Open("c:\\src.wav", CFile::modeCreate | CFile::modeWrite, &e));
    EXPECT_EQ(e.m_cause, CFileException::sharingViolation);
    EXPECT_EQ(tree.ReadFile("src.wav"), "precious");
    src.Close();
    EXPECT_TRUE(dst.Open("c:\\src.wav", CFile::modeRead));   // released by Close
}

TEST_F(FileTest, ErrorsThrowWithCauseErrnoAndName)
{
    tree.WriteFile("a.bin", std::string("x"));
    CFile f;
    ASSERT_TRUE(f.Open("c:\\a.bin", CFile::modeRead));
    try {
        f.Seek(-5, CFile::begin);
        FAIL() << "seek before the start did not throw";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_lOsError, EINVAL);
        EXPECT_EQ(e->m_strFileName, "c:\\a.bin");
        EXPECT_NE(std::string(e->GetErrorMessage()).find("c:\\a.bin"), std::string::npos);
        e->Delete();
    }
    try {
        f.Write("y", 1);   // opened read-only
        FAIL() << "write to a read-only file did not throw";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_lOsError, EBADF);
        e->Delete();
    }
}

TEST_F(FileTest, AWriteBeyondTheFileSizeLimitThrowsDiskFullInsteadOfKillingTheProcess)
{
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        struct rlimit lim{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &lim);
        CFile f;
        if (!f.Open("c:\\big.wav", CFile::modeCreate | CFile::modeWrite))
            _exit(10);
        std::string block(3000, 'z');
        f.Write(block.data(), 3000);
        try {
            f.Write(block.data(), 3000);
        } catch (CFileException* e) {
            _exit(e->m_cause == CFileException::diskFull && e->m_lOsError == EFBIG ? 0 : 11);
        }
        _exit(12);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(tree.ReadFile("big.wav").size(), 4096u);   // what fitted stays
}
