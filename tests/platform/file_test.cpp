#include "platform/file.h"
#include "platform/system_calls.h"
#include "tests/support/roster_fixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using roster_fixture::CFailingSystemCalls;
using roster_fixture::CTempFolder;
using roster_fixture::ReadFile;

namespace {

class FileTest : public ::testing::Test {
protected:
    std::filesystem::path MakeFile(std::string_view bytes = "0123456789") {
        return m_folder.WriteFile("data.txt", bytes);
    }

    CTempFolder m_folder;
};

TEST_F(FileTest, OpenNeverCreatesAFile) {
    CFile file;
    const std::filesystem::path missing = m_folder.GetPath() / "missing.txt";
    EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeReadWrite));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(FileTest, OpenRefusesAFolder) {
    CFile file;
    EXPECT_FALSE(file.Open(m_folder.GetPath().c_str(), CFile::modeReadWrite));
    EXPECT_FALSE(file.IsOpen());
}

// A file with no write bit stays read-only for every user, root included (the tests may run as
// root, whom the system would let write anyway).
TEST_F(FileTest, OpenForWritingFollowsThePermissionBits) {
    struct Case {
        std::filesystem::perms permissions;
        bool opensForWriting;
        bool opensForReading;
    };
    using std::filesystem::perms;
    const Case cases[] = {
        {perms::owner_read | perms::group_read | perms::others_read, false, true},
        {perms::owner_read, false, true},
        {perms::owner_read | perms::owner_write, true, true},
        {perms::owner_read | perms::owner_write | perms::group_read | perms::others_read, true,
         true},
    };
    for (const Case& c : cases) {
        const std::filesystem::path path = MakeFile();
        std::filesystem::permissions(path, c.permissions);
        SCOPED_TRACE(static_cast<int>(c.permissions));
        CFile file;
        EXPECT_EQ(file.Open(path.c_str(), CFile::modeReadWrite), c.opensForWriting);
        file.Close();
        EXPECT_EQ(file.Open(path.c_str(), CFile::modeRead), c.opensForReading);
        file.Close();
        std::filesystem::permissions(path, perms::owner_read | perms::owner_write);
    }
}

TEST_F(FileTest, SecondOpenFailsWhileTheFirstHoldsTheFile) {
    const std::filesystem::path path = MakeFile();
    CFile first;
    ASSERT_TRUE(first.Open(path.c_str(), CFile::modeReadWrite));
    CFile second;
    EXPECT_FALSE(second.Open(path.c_str(), CFile::modeReadWrite));
    EXPECT_FALSE(second.Open(path.c_str(), CFile::modeRead));
    first.Close();
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeReadWrite));
}

TEST_F(FileTest, OpenFailsWhileAnotherProgramLocksTheFile) {
    const std::filesystem::path path = MakeFile();
    const int other = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_SH), 0);
    CFile file;
    EXPECT_FALSE(file.Open(path.c_str(), CFile::modeReadWrite));
    ::close(other);
    EXPECT_TRUE(file.Open(path.c_str(), CFile::modeReadWrite));
}

TEST_F(FileTest, DestructionClosesAndUnlocks) {
    const std::filesystem::path path = MakeFile();
    {
        CFile first;
        ASSERT_TRUE(first.Open(path.c_str(), CFile::modeReadWrite));
    }
    CFile second;
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeReadWrite));
}

TEST_F(FileTest, FailedOpenLeavesNoDescriptorBehind) {
    const std::filesystem::path path = MakeFile();
    struct Case {
        const char* what;
        std::function<void(CFailingSystemCalls&)> inject;
    };
    const Case cases[] = {
        {"lock", [](CFailingSystemCalls& calls) { calls.flockError = EWOULDBLOCK; }},
        {"status", [](CFailingSystemCalls& calls) { calls.fstatError = EIO; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CFailingSystemCalls calls;
        c.inject(calls);
        CSystemCallsScope scope(calls);
        CFile file;
        EXPECT_FALSE(file.Open(path.c_str(), CFile::modeReadWrite));
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(calls.opens, 1);
        EXPECT_EQ(calls.closes, 1);
    }
}

TEST_F(FileTest, GetFilePathIsTheFullPath) {
    const std::filesystem::path path = MakeFile();
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(m_folder.GetPath());
    CFile file;
    const bool opened = file.Open("./data.txt", CFile::modeReadWrite);
    std::filesystem::current_path(previous);
    ASSERT_TRUE(opened);
    EXPECT_EQ(file.GetFilePath(), path.string());
}

TEST_F(FileTest, ReadWriteSeekAndLength) {
    const std::filesystem::path path = MakeFile("0123456789");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeReadWrite));
    EXPECT_EQ(file.GetLength(), 10u);

    char buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, 4), 4u);
    EXPECT_EQ(std::string(buffer, 4), "0123");
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(file.Read(buffer, 16), 6u) << "the read goes on where the last one ended";
    EXPECT_EQ(std::string(buffer, 6), "456789");
    EXPECT_EQ(file.Read(buffer, 16), 0u);

    EXPECT_EQ(file.Seek(2, CFile::begin), 2u);
    file.Write("ab", 2);
    EXPECT_EQ(file.Seek(0, CFile::end), 10u);
    file.Write("XYZ", 3);
    file.Flush();
    EXPECT_EQ(file.GetLength(), 13u);
    EXPECT_EQ(ReadFile(path), "01ab456789XYZ");
}

TEST_F(FileTest, InterruptedCallsAreRepeated) {
    const std::filesystem::path path = MakeFile("0123456789");
    CFailingSystemCalls calls;
    calls.interruptRead = true;
    calls.interruptWrite = true;
    CSystemCallsScope scope(calls);
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeReadWrite));
    char buffer[10] = {};
    EXPECT_EQ(file.Read(buffer, 10), 10u);
    file.Seek(0, CFile::begin);
    file.Write("ab", 2);
    EXPECT_EQ(ReadFile(path), "ab23456789");
}

// Each failure names the operation, the file's full path and the system's text for the cause.
TEST_F(FileTest, FailuresThrowWithCauseAndFullPath) {
    struct Case {
        const char* what;
        std::function<void(CFailingSystemCalls&)> inject;
        std::function<void(CFile&)> run;
        CFileException::Operation operation;
        int cause;
        int osError;
        std::string message; // with PATH for the file's full path
    };
    char buffer[4] = {};
    const Case cases[] = {
        {"read", [](CFailingSystemCalls& c) { c.readError = EIO; },
         [&](CFile& f) { f.Read(buffer, 4); }, CFileException::Operation::Read,
         CFileException::hardIO, EIO, "Reading PATH failed: Input/output error."},
        {"write, disk full", [](CFailingSystemCalls& c) { c.failWrite = 1; },
         [](CFile& f) { f.Write("abcd", 4); }, CFileException::Operation::Write,
         CFileException::diskFull, ENOSPC, "Writing PATH failed: No space left on device."},
        {"write, short",
         [](CFailingSystemCalls& c) {
             c.failWrite = 1;
             c.shortWrite = true;
         },
         [](CFile& f) { f.Write("abcd", 4); }, CFileException::Operation::Write,
         CFileException::diskFull, ENOSPC, "Writing PATH failed: No space left on device."},
        {"write, hardware",
         [](CFailingSystemCalls& c) {
             c.failWrite = 1;
             c.writeError = EIO;
         },
         [](CFile& f) { f.Write("abcd", 4); }, CFileException::Operation::Write,
         CFileException::hardIO, EIO, "Writing PATH failed: Input/output error."},
        {"flush", [](CFailingSystemCalls& c) { c.fsyncError = EIO; }, [](CFile& f) { f.Flush(); },
         CFileException::Operation::Flush, CFileException::hardIO, EIO,
         "Flushing PATH to the disk failed: Input/output error."},
        {"seek", [](CFailingSystemCalls& c) { c.seekError = EINVAL; },
         [](CFile& f) { f.Seek(0, CFile::begin); }, CFileException::Operation::Seek,
         CFileException::badSeek, EINVAL, "Seeking in PATH failed: Invalid argument."},
        {"length", [](CFailingSystemCalls& c) { c.fstatError = EIO; },
         [](CFile& f) { f.GetLength(); }, CFileException::Operation::Length, CFileException::hardIO,
         EIO, "The size of PATH could not be read: Input/output error."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::filesystem::path path = MakeFile();
        CFailingSystemCalls calls;
        CSystemCallsScope scope(calls);
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeReadWrite));
        c.inject(calls);
        try {
            c.run(file);
            ADD_FAILURE() << "no exception";
        } catch (const CFileException& error) {
            std::string expected = c.message;
            expected.replace(expected.find("PATH"), 4, path.string());
            EXPECT_EQ(error.m_operation, c.operation);
            EXPECT_EQ(error.m_cause, c.cause);
            EXPECT_EQ(error.m_lOsError, c.osError);
            EXPECT_EQ(error.m_strFileName, path.string());
            EXPECT_EQ(error.GetErrorMessage(), expected);
            EXPECT_STREQ(error.what(), expected.c_str());
        }
        EXPECT_TRUE(file.IsOpen()) << "a failed operation leaves the file open";
    }
}

TEST_F(FileTest, CloseIsSafeInEveryState) {
    const std::filesystem::path path = MakeFile();
    CFile file;
    file.Close();
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeReadWrite));
    file.Close();
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(file.GetFilePath().empty());
}

TEST_F(FileTest, OperationsOnAClosedFileThrow) {
    CFile file;
    char buffer[1];
    EXPECT_THROW(file.Read(buffer, 1), CFileException);
    EXPECT_THROW(file.Write("a", 1), CFileException);
    EXPECT_THROW(file.Seek(0, CFile::begin), CFileException);
    EXPECT_THROW(file.Flush(), CFileException);
    EXPECT_THROW(file.GetLength(), CFileException);
}

} // namespace
