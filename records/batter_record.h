// The batter block: the detail block of a batter's line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// A batter's position, alternate positions and ratings, read from and written to the block.
class CBatterRecord {
public:
    /// The length of a formatted block whose ratings are 0 to 9.
    static constexpr std::size_t BLOCK_LENGTH = 32;

    std::string m_strPosition;
    int m_nAltPosition = 0;
    int m_nBatVsR = 0, m_nPowerVsR = 0, m_nBatVsL = 0, m_nPowerVsL = 0, m_nBunt = 0, m_nSpeed = 0,
        m_nGlove = 0, m_nArm = 0, m_nAccuracy = 0, m_nFundamental = 0, m_nInjury = 0;
    int m_bAlt1B = 0, m_bAlt2B = 0, m_bAlt3B = 0, m_bAltC = 0, m_bAltOF = 0, m_bAltSS = 0;
    int m_nStyle = 0, m_nPlayability = 0;

    /// Sets every field, the six flags from the alternate-positions bit set, from a block of any
    /// length; fields beyond its end come out empty or 0, characters after the block are ignored.
    void ParseBlock(std::string_view block);

    /// Recomputes m_nAltPosition from the six flags and returns the block text: 32 characters
    /// when the ratings are 0 to 9, longer when a rating needs more digits or a sign.
    std::string FormatBlock();

    bool operator==(const CBatterRecord&) const = default;
};
