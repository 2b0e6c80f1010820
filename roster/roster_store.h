#pragma once

#include "platform/file.h"
#include "roster/slots.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Why the last Load returned false.
enum class LoadFailure {
    None,
    CannotOpen,
    TooFewLines,
    OutOfMemory,
    ZeroByte, // a zero byte inside the stored lines, with player text after it
};

// The roster file, held open and locked from Load to Close, and its 775-slot table: the 750 stored
// players in file order as permuted by trades, then the 25 TEMP slots seeded from team 0.
class CRosterStore {
public:
    // Works on "rosters.txt" in the current directory.
    CRosterStore();
    // Works on the given file.
    explicit CRosterStore(std::string fileName);
    ~CRosterStore();
    CRosterStore(const CRosterStore&) = delete;
    CRosterStore& operator=(const CRosterStore&) = delete;

    // Opens, reads and splits the file. False, with nothing held, when the file cannot be opened,
    // yields fewer than 750 lines, has a zero byte inside them or does not fit in memory;
    // GetLoadFailure tells which. A read
    // error after the open throws CFileException, also with nothing held and the file closed.
    bool Load();
    LoadFailure GetLoadFailure() const { return m_loadFailure; }
    // The stored player lines the last Load found, at most STORED_SLOTS.
    int GetLinesFound() const { return m_nLinesFound; }
    // Where the zero byte stands that made the last Load fail with ZeroByte.
    unsigned long long GetZeroByteOffset() const { return m_zeroByteOffset; }
    const std::string& GetFileName() const { return m_strFileName; }
    bool IsLoaded() const { return m_pBuffer != nullptr; }

    // The zero-terminated line of a slot, or null for a slot outside 0..774 or an Empty store.
    char* GetLine(int slot);
    const char* GetLine(int slot) const;
    // How many characters the slot's line may hold in place, its terminator not counted.
    std::size_t GetLineCapacity(int slot) const;
    // Puts an edited line into a slot: in place when it fits the line's memory, else in storage
    // of the store's own, kept until Close. Throws std::out_of_range for a slot with no line.
    void SetLine(int slot, std::string_view text);

    // Writes slots 0..749, each followed by CR LF, from the first byte of the file, then flushes
    // the file to the disk. Never shortens the file. Throws CFileException; the store stays
    // Loaded and the next Save starts again from the first byte. Does nothing when Empty.
    void Save();
    // Closes the file and releases every line; safe in every state.
    void Close();

    // Exchanges the lines of two slots; nothing happens when either is -1 (no selection).
    void Trade(int leftSlot, int rightSlot);

private:
    bool BuildSlots();
    bool ZeroByteInStoredLines(const char* zero, int found, unsigned read) const;
    void SeedTempSlot(int slot);

    std::string m_strFileName;
    CFile m_file;
    // The file's text, a zero byte, a copy of its first team block and a terminator, in one
    // block; the lines are split in place.
    char* m_pBuffer = nullptr;
    std::array<char*, SLOT_COUNT> m_slots{};
    // The characters each slot's line memory holds before its terminator; moves with the line.
    std::array<std::size_t, SLOT_COUNT> m_capacities{};
    // Lines that could not live in the buffer: TEMP seeds the copied block did not yield, and
    // edits longer than their line's memory.
    std::vector<std::unique_ptr<char[]>> m_ownLines;
    LoadFailure m_loadFailure = LoadFailure::None;
    int m_nLinesFound = 0;
    unsigned long long m_zeroByteOffset = 0;
    std::size_t m_nLeadingBytes = 0; // line ends in front of the first line, kept on save
};
