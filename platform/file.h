#pragma once

#include <exception>
#include <string>

// A failed operation on an open CFile: what was being done, the operating system's error number
// and the file's full path.
class CFileException : public std::exception {
public:
    // The broad kind of failure, for callers that react differently to a full disk.
    enum Cause { none, genericException, accessDenied, badSeek, hardIO, diskFull };
    // The operation that failed.
    enum class Operation { Length, Read, Seek, Write, Flush };

    CFileException(Operation operation, int osError, std::string fileName);

    // A full sentence naming the operation, the file's full path and the cause.
    std::string GetErrorMessage() const { return m_strMessage; }
    const char* what() const noexcept override { return m_strMessage.c_str(); }

    Operation m_operation;
    int m_cause;
    int m_lOsError;
    std::string m_strFileName;

private:
    std::string m_strMessage;
};

// A file opened for exclusive use: no other CFile, and no other program that takes locks, can open
// it while this one holds it. Read, Seek, Write, Flush and GetLength throw CFileException.
class CFile {
public:
    enum OpenFlags : unsigned { modeRead = 0, modeWrite = 1, modeReadWrite = 2 };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    ~CFile() { Close(); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens an existing regular file and locks it; never creates one. Fails when the file is
    // missing or locked, or when writing is asked for and the file has no write permission bit
    // at all (even for a user whom the system would let write). errno tells why.
    bool Open(const char* fileName, unsigned flags);
    // The file's length in bytes; the position stays where it is.
    unsigned long long GetLength() const;
    // Reads up to count bytes from the position; fewer only at the end of the file.
    unsigned Read(void* buffer, unsigned count);
    // Moves the position and returns it, counted from the first byte.
    unsigned long long Seek(long long offset, int from);
    // Writes all count bytes at the position; a write that stops short is a full disk.
    void Write(const void* buffer, unsigned count);
    // Waits until everything written has reached stable storage.
    void Flush();
    // Closes the file and gives up the lock; does nothing when no file is open.
    void Close();

    bool IsOpen() const { return m_hFile >= 0; }
    // The full path of the open file, as it was named when opened.
    std::string GetFilePath() const { return m_strFilePath; }

private:
    [[noreturn]] void Throw(CFileException::Operation operation, int osError) const;

    int m_hFile = -1;
    std::string m_strFilePath;
};
