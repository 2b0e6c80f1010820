// One player line of the roster: the common block in columns 0 to 113, a blank,
// and the detail block from column 115 on.
#pragma once

#include <cstddef>
#include <string>

/// The fields of one player line, read from and written back to its fixed columns.
class CPlayerRecord {
public:
    /// The column where the detail block (batter or pitcher block) starts.
    static constexpr std::size_t DETAIL_COLUMN = 115;

    std::string m_strDetail; // columns 115..end, never interpreted
    int m_nPlayerType = 0;
    std::string m_strName, m_strSoundFile, m_strUniform, m_strSkin, m_strFacialHair, m_strHair,
        m_strHeight;
    int m_nWeight = 0;
    std::string m_strBats, m_strThrows;
    int m_nGamesPlayed = 0, m_nAtBats = 0, m_nAtBatsVsR = 0, m_nRuns = 0, m_nHits = 0,
        m_nHitsVsR = 0, m_nDoubles = 0, m_nTriples = 0, m_nHomeRuns = 0, m_nRBI = 0, m_nBB = 0,
        m_nStrikeouts = 0, m_nStolenBases = 0;
    std::string m_strPicture;

    /// Sets every field from a NUL-terminated line without its line end; a null line reads as
    /// empty. Fields beyond the line's end come out empty or 0.
    void ParseLine(const char* line, int playerType);

    /// Returns the whole line text, without terminator. With every integer in its range the common
    /// block is 114 characters and the line 115 plus the detail; a value out of range is written
    /// with all its digits and sign, which makes the line longer. The caller places the text, so
    /// nothing is ever written over storage it does not own.
    std::string FormatLine() const;

    bool operator==(const CPlayerRecord&) const = default;
};
