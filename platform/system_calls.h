#pragma once

#include <cstddef>
#include <sys/stat.h>
#include <sys/types.h>

// Every operating system call the file layer makes goes through one CSystemCalls object, so that
// a test can stand in for the disk (a failing read, a full disk, a lock held elsewhere) without
// touching the real one. The default object forwards each call unchanged.
class CSystemCalls {
public:
    virtual ~CSystemCalls() = default;

    // Same contract as open(2); the file layer never passes O_CREAT.
    virtual int Open(const char* path, int flags);
    // Same contract as close(2).
    virtual int Close(int fd);
    // Same contract as flock(2).
    virtual int Flock(int fd, int operation);
    // Same contract as fstat(2).
    virtual int Fstat(int fd, struct stat* info);
    // Same contract as read(2).
    virtual ssize_t Read(int fd, void* buffer, std::size_t count);
    // Same contract as write(2).
    virtual ssize_t Write(int fd, const void* buffer, std::size_t count);
    // Same contract as lseek(2).
    virtual off_t Seek(int fd, off_t offset, int whence);
    // Same contract as fsync(2).
    virtual int Fsync(int fd);
    // Same contract as malloc(3): large buffers whose allocation may fail without an exception.
    virtual void* Allocate(std::size_t size);
    // Same contract as free(3), for blocks from Allocate.
    virtual void Release(void* block);
};

// The calls currently in force: the installed replacement, or the real ones.
CSystemCalls& GetSystemCalls();

// Installs a replacement for the lifetime of this object and puts the previous calls back after.
class CSystemCallsScope {
public:
    explicit CSystemCallsScope(CSystemCalls& replacement);
    ~CSystemCallsScope();
    CSystemCallsScope(const CSystemCallsScope&) = delete;
    CSystemCallsScope& operator=(const CSystemCallsScope&) = delete;

private:
    CSystemCalls* m_pPrevious;
};
