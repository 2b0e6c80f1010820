#include "platform/system_calls.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

int CSystemCalls::Open(const char* path, int flags) {
    return ::open(path, flags);
}

int CSystemCalls::Close(int fd) {
    return ::close(fd);
}

int CSystemCalls::Flock(int fd, int operation) {
    return ::flock(fd, operation);
}

int CSystemCalls::Fstat(int fd, struct stat* info) {
    return ::fstat(fd, info);
}

ssize_t CSystemCalls::Read(int fd, void* buffer, std::size_t count) {
    return ::read(fd, buffer, count);
}

ssize_t CSystemCalls::Write(int fd, const void* buffer, std::size_t count) {
    return ::write(fd, buffer, count);
}

off_t CSystemCalls::Seek(int fd, off_t offset, int whence) {
    return ::lseek(fd, offset, whence);
}

int CSystemCalls::Fsync(int fd) {
    return ::fsync(fd);
}

void* CSystemCalls::Allocate(std::size_t size) {
    return std::malloc(size);
}

void CSystemCalls::Release(void* block) {
    std::free(block);
}

namespace {

CSystemCalls g_realCalls;
CSystemCalls* g_pCurrentCalls = &g_realCalls;

} // namespace

CSystemCalls& GetSystemCalls() {
    return *g_pCurrentCalls;
}

CSystemCallsScope::CSystemCallsScope(CSystemCalls& replacement) : m_pPrevious(g_pCurrentCalls) {
    g_pCurrentCalls = &replacement;
}

CSystemCallsScope::~CSystemCallsScope() {
    g_pCurrentCalls = m_pPrevious;
}
