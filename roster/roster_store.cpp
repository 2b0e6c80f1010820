#include "roster/roster_store.h"

#include "platform/system_calls.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

#ifdef __SSE2__
// The bytes among the sixteen at `position` that are CR, LF or zero, as a bit mask.
int LineEndMask(const char* position) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(position));
    const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')),
                                                   _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))),
                                      _mm_cmpeq_epi8(bytes, _mm_setzero_si128()));
    return _mm_movemask_epi8(hits);
}
#endif

// The first CR, LF or zero byte from `from` on; `end` holds a zero byte, so one is always found.
// Thirty-two bytes at a time where the processor allows: this scan is most of the time a load
// takes.
const char* FindLineEnd(const char* from, const char* end) {
    const char* position = from;
#ifdef __SSE2__
    while (end - position >= 32) {
        const unsigned mask = static_cast<unsigned>(LineEndMask(position)) |
                              static_cast<unsigned>(LineEndMask(position + 16)) << 16;
        if (mask != 0)
            return position + __builtin_ctz(mask);
        position += 32;
    }
#endif
    while (*position != '\0' && !IsLineEnd(*position))
        ++position;
    return position;
}

// Cuts the text up to `end` (a zero byte) into lines in place: runs of CR and LF separate lines
// and vanish, and the one delimiter that ends a line becomes its terminator; a zero byte ends
// the text. Stops after `wanted` lines; gives each line's start and length, and returns how
// many it found.
int SplitLines(char* text, const char* end, int wanted, char** starts, std::size_t* lengths) {
    int found = 0;
    char* position = text;
    while (found < wanted) {
        while (IsLineEnd(*position))
            ++position;
        if (*position == '\0')
            break;
        char* const lineEnd = position + (FindLineEnd(position, end) - position);
        starts[found] = position;
        lengths[found] = static_cast<std::size_t>(lineEnd - position);
        ++found;
        position = lineEnd;
        if (*position == '\0')
            break;
        *position++ = '\0';
    }
    return found;
}

} // namespace

CRosterStore::CRosterStore() : CRosterStore("rosters.txt") {}

CRosterStore::CRosterStore(std::string fileName) : m_strFileName(std::move(fileName)) {}

CRosterStore::~CRosterStore() {
    Close();
}

bool CRosterStore::Load() {
    Close();
    m_loadFailure = LoadFailure::None;
    m_nLinesFound = 0;
    m_zeroByteOffset = 0;
    if (!m_file.Open(m_strFileName.c_str(), CFile::modeReadWrite)) {
        m_loadFailure = LoadFailure::CannotOpen;
        return false;
    }
    try {
        if (BuildSlots())
            return true;
    } catch (const std::bad_alloc&) {
        m_loadFailure = LoadFailure::OutOfMemory;
    } catch (...) {
        Close();
        throw;
    }
    Close();
    return false;
}

bool CRosterStore::BuildSlots() {
    const unsigned long long length = m_file.GetLength();
    const unsigned long long copyLength = length / TEAM_COUNT;
    // One read takes the whole file, so it must fit one read's count, and the block its size.
    if (length > std::numeric_limits<unsigned>::max() ||
        length + copyLength + 2 > std::numeric_limits<std::size_t>::max()) {
        m_loadFailure = LoadFailure::OutOfMemory;
        return false;
    }
    m_pBuffer = static_cast<char*>(GetSystemCalls().Allocate(length + copyLength + 2));
    if (m_pBuffer == nullptr) {
        m_loadFailure = LoadFailure::OutOfMemory;
        return false;
    }
    const unsigned read = m_file.Read(m_pBuffer, static_cast<unsigned>(length));
    // The end of the file's data ends its last line, whether or not a line end follows it; the
    // copy of the first team block comes after, from which the TEMP team is seeded.
    m_pBuffer[read] = '\0';
    char* const copy = m_pBuffer + read + 1;
    unsigned copied = read / TEAM_COUNT;
    std::memcpy(copy, m_pBuffer, copied);
    // A line that the copy's end cuts off would seed a truncated TEMP player: only whole lines
    // of the copy count, and the slots they do not fill are seeded one by one below.
    while (copied > 0 && !IsLineEnd(copy[copied - 1]))
        --copied;
    copy[copied] = '\0';

    // The split turns line ends into zero bytes: look for the file's own ones first.
    const char* const zero = static_cast<const char*>(std::memchr(m_pBuffer, '\0', read));
    const int found =
        SplitLines(m_pBuffer, m_pBuffer + read, SLOT_COUNT, m_slots.data(), m_capacities.data());
    m_nLinesFound = std::min(found, STORED_SLOTS);
    if (ZeroByteInStoredLines(zero, found, read)) {
        m_loadFailure = LoadFailure::ZeroByte;
        m_zeroByteOffset = static_cast<unsigned long long>(zero - m_pBuffer);
        return false;
    }
    if (found < STORED_SLOTS) {
        m_loadFailure = LoadFailure::TooFewLines;
        return false;
    }
    // Line ends in front of the first line belong to no player: saving writes them back first,
    // and slot 0 is the first player's line alone, so editing him cannot shift his columns.
    m_nLeadingBytes = static_cast<std::size_t>(m_slots[0] - m_pBuffer);
    const int copiedFound = SplitLines(copy, copy + copied, SLOT_COUNT - found,
                                       m_slots.data() + found, m_capacities.data() + found);
    m_ownLines.reserve(SLOT_COUNT - found - copiedFound);
    for (int slot = found + copiedFound; slot < SLOT_COUNT; ++slot)
        SeedTempSlot(slot);
    for (int slot = STORED_SLOTS; slot < SLOT_COUNT; ++slot) {
        const std::size_t overwrite = std::min<std::size_t>(TEMP_NAME_LENGTH, m_capacities[slot]);
        std::memcpy(m_slots[slot], TEMP_NAME, overwrite);
    }
    return true;
}

// A zero byte ends the text, so one inside the 750 stored lines would cut a player short, and
// saving would leave the rest of his line behind in the file as text of its own. It counts only
// when player text follows it; one followed by line ends alone just ends the last line.
bool CRosterStore::ZeroByteInStoredLines(const char* zero, int found, unsigned read) const {
    if (zero == nullptr || found > STORED_SLOTS)
        return false;
    const int last = STORED_SLOTS - 1;
    if (found == STORED_SLOTS && zero != m_slots[last] + m_capacities[last])
        return false;
    return std::any_of(zero + 1, static_cast<const char*>(m_pBuffer + read),
                       [](char c) { return c != '\0' && !IsLineEnd(c); });
}

// A TEMP slot the copied block did not yield: a copy of its stored slot in team 0, in storage of
// its own.
void CRosterStore::SeedTempSlot(int slot) {
    const char* source = m_slots[slot - STORED_SLOTS];
    const std::size_t length = std::strlen(source);
    auto storage = std::make_unique<char[]>(length + 1);
    std::memcpy(storage.get(), source, length + 1);
    m_slots[slot] = storage.get();
    m_capacities[slot] = length;
    m_ownLines.push_back(std::move(storage));
}

char* CRosterStore::GetLine(int slot) {
    if (!IsLoaded() || slot < 0 || slot >= SLOT_COUNT)
        return nullptr;
    return m_slots[slot];
}

const char* CRosterStore::GetLine(int slot) const {
    return const_cast<CRosterStore*>(this)->GetLine(slot);
}

std::size_t CRosterStore::GetLineCapacity(int slot) const {
    if (!IsLoaded() || slot < 0 || slot >= SLOT_COUNT)
        return 0;
    return m_capacities[slot];
}

void CRosterStore::SetLine(int slot, std::string_view text) {
    if (!IsLoaded() || slot < 0 || slot >= SLOT_COUNT)
        throw std::out_of_range("The roster has no slot " + std::to_string(slot) + ".");
    if (text.size() >= std::numeric_limits<unsigned>::max())
        throw std::length_error("A roster line cannot be that long.");
    if (text.size() <= m_capacities[slot]) {
        std::memcpy(m_slots[slot], text.data(), text.size());
        m_slots[slot][text.size()] = '\0';
        return;
    }
    m_ownLines.reserve(m_ownLines.size() + 1);
    auto storage = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(storage.get(), text.data(), text.size());
    storage[text.size()] = '\0';
    m_slots[slot] = storage.get();
    m_capacities[slot] = text.size();
    m_ownLines.push_back(std::move(storage));
}

void CRosterStore::Save() {
    if (!IsLoaded())
        return;
    m_file.Seek(0, CFile::begin);
    if (m_nLeadingBytes > 0)
        m_file.Write(m_pBuffer, static_cast<unsigned>(m_nLeadingBytes));
    for (int slot = 0; slot < STORED_SLOTS; ++slot) {
        const char* line = m_slots[slot];
        m_file.Write(line, static_cast<unsigned>(std::strlen(line)));
        m_file.Write("\r\n", 2);
    }
    // Only a flush that succeeded means the roster is on the disk.
    m_file.Flush();
}

void CRosterStore::Close() {
    m_file.Close();
    if (m_pBuffer != nullptr) {
        GetSystemCalls().Release(m_pBuffer);
        m_pBuffer = nullptr;
    }
    m_ownLines.clear();
    m_nLeadingBytes = 0;
    m_slots.fill(nullptr);
    m_capacities.fill(0);
}

void CRosterStore::Trade(int leftSlot, int rightSlot) {
    if (!IsLoaded() || leftSlot < 0 || rightSlot < 0 || leftSlot >= SLOT_COUNT ||
        rightSlot >= SLOT_COUNT)
        return;
    std::swap(m_slots[leftSlot], m_slots[rightSlot]);
    std::swap(m_capacities[leftSlot], m_capacities[rightSlot]);
}
