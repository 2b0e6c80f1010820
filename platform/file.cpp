#include "platform/file.h"

#include "platform/system_calls.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace {

int CauseOf(CFileException::Operation operation, int osError) {
    if (operation == CFileException::Operation::Seek)
        return CFileException::badSeek;
    switch (osError) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return CFileException::diskFull;
    case EIO:
        return CFileException::hardIO;
    case EACCES:
    case EPERM:
    case EROFS:
        return CFileException::accessDenied;
    default:
        return CFileException::genericException;
    }
}

std::string DescribeFailure(CFileException::Operation operation, const std::string& fileName,
                            int osError) {
    const std::string cause = std::system_category().message(osError);
    switch (operation) {
    case CFileException::Operation::Length:
        return "The size of " + fileName + " could not be read: " + cause + ".";
    case CFileException::Operation::Read:
        return "Reading " + fileName + " failed: " + cause + ".";
    case CFileException::Operation::Seek:
        return "Seeking in " + fileName + " failed: " + cause + ".";
    case CFileException::Operation::Write:
        return "Writing " + fileName + " failed: " + cause + ".";
    case CFileException::Operation::Flush:
        return "Flushing " + fileName + " to the disk failed: " + cause + ".";
    }
    return cause;
}

std::string FullPath(const char* fileName) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(fileName, error);
    if (error)
        return fileName;
    return path.lexically_normal().string();
}

} // namespace

CFileException::CFileException(Operation operation, int osError, std::string fileName)
    : m_operation(operation), m_cause(CauseOf(operation, osError)), m_lOsError(osError),
      m_strFileName(std::move(fileName)),
      m_strMessage(DescribeFailure(operation, m_strFileName, osError)) {}

bool CFile::Open(const char* fileName, unsigned flags) {
    Close();
    int access = 0;
    switch (flags & 3u) {
    case modeRead:
        access = O_RDONLY;
        break;
    case modeWrite:
        access = O_WRONLY;
        break;
    case modeReadWrite:
        access = O_RDWR;
        break;
    default:
        errno = EINVAL;
        return false;
    }
    CSystemCalls& system = GetSystemCalls();
    const int fd = system.Open(fileName, access | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;

    int failure = 0;
    struct stat info {};
    if (system.Fstat(fd, &info) != 0)
        failure = errno;
    else if (S_ISDIR(info.st_mode))
        failure = EISDIR;
    else if (!S_ISREG(info.st_mode))
        failure = EINVAL;
    // A file nobody may write stays read-only, even for a user whom the system would let write.
    else if (access != O_RDONLY && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        failure = EACCES;
    else if (system.Flock(fd, LOCK_EX | LOCK_NB) != 0)
        failure = errno;
    if (failure != 0) {
        system.Close(fd);
        errno = failure;
        return false;
    }
    m_hFile = fd;
    m_strFilePath = FullPath(fileName);
    return true;
}

unsigned long long CFile::GetLength() const {
    struct stat info {};
    if (!IsOpen())
        Throw(CFileException::Operation::Length, EBADF);
    if (GetSystemCalls().Fstat(m_hFile, &info) != 0)
        Throw(CFileException::Operation::Length, errno);
    return static_cast<unsigned long long>(info.st_size);
}

unsigned CFile::Read(void* buffer, unsigned count) {
    if (!IsOpen())
        Throw(CFileException::Operation::Read, EBADF);
    auto* bytes = static_cast<char*>(buffer);
    unsigned done = 0;
    while (done < count) {
        const ssize_t got = GetSystemCalls().Read(m_hFile, bytes + done, count - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            Throw(CFileException::Operation::Read, errno);
        }
        if (got == 0)
            break;
        done += static_cast<unsigned>(got);
    }
    return done;
}

unsigned long long CFile::Seek(long long offset, int from) {
    if (!IsOpen())
        Throw(CFileException::Operation::Seek, EBADF);
    int whence = SEEK_SET;
    if (from == current)
        whence = SEEK_CUR;
    else if (from == end)
        whence = SEEK_END;
    else if (from != begin)
        Throw(CFileException::Operation::Seek, EINVAL);
    const off_t position = GetSystemCalls().Seek(m_hFile, static_cast<off_t>(offset), whence);
    if (position < 0)
        Throw(CFileException::Operation::Seek, errno);
    return static_cast<unsigned long long>(position);
}

void CFile::Write(const void* buffer, unsigned count) {
    if (!IsOpen())
        Throw(CFileException::Operation::Write, EBADF);
    for (;;) {
        const ssize_t put = GetSystemCalls().Write(m_hFile, buffer, count);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            Throw(CFileException::Operation::Write, errno);
        // A regular file takes fewer bytes than asked only when the disk (or quota) is full.
        if (static_cast<unsigned>(put) < count)
            Throw(CFileException::Operation::Write, ENOSPC);
        return;
    }
}

void CFile::Flush() {
    if (!IsOpen())
        Throw(CFileException::Operation::Flush, EBADF);
    if (GetSystemCalls().Fsync(m_hFile) != 0)
        Throw(CFileException::Operation::Flush, errno);
}

void CFile::Close() {
    if (!IsOpen())
        return;
    // Closing also gives up the lock. Its result is not reported: whatever had to reach the disk
    // was flushed by Flush, which reports its own failure.
    GetSystemCalls().Close(m_hFile);
    m_hFile = -1;
    m_strFilePath.clear();
}

void CFile::Throw(CFileException::Operation operation, int osError) const {
    throw CFileException(operation, osError, m_strFilePath);
}
