#include "records/player_record.h"

#include "records/columns.h"

#include <array>

namespace {

using records::Align;
using R = CPlayerRecord;
using records::NumberField;
using records::TextField;

// The common block; "#" stands behind the name, one blank between the other fields.
constexpr std::array<records::Field<CPlayerRecord>, 24> kCommonBlock = {
    TextField("", 0, 24, &R::m_strName),
    TextField("# ", 26, 7, &R::m_strSoundFile),
    TextField(" ", 34, 2, &R::m_strUniform),
    TextField(" ", 37, 2, &R::m_strSkin),
    TextField(" ", 40, 2, &R::m_strFacialHair),
    TextField(" ", 43, 3, &R::m_strHair),
    TextField(" ", 47, 3, &R::m_strHeight, Align::Right),
    NumberField(" ", 51, 3, &R::m_nWeight),
    TextField(" ", 55, 1, &R::m_strBats),
    TextField(" ", 57, 1, &R::m_strThrows),
    NumberField(" ", 59, 3, &R::m_nGamesPlayed),
    NumberField(" ", 63, 3, &R::m_nAtBats),
    NumberField(" ", 67, 3, &R::m_nAtBatsVsR),
    NumberField(" ", 71, 3, &R::m_nRuns),
    NumberField(" ", 75, 3, &R::m_nHits),
    NumberField(" ", 79, 3, &R::m_nHitsVsR),
    NumberField(" ", 83, 2, &R::m_nDoubles),
    NumberField(" ", 86, 2, &R::m_nTriples),
    NumberField(" ", 89, 2, &R::m_nHomeRuns),
    NumberField(" ", 92, 3, &R::m_nRBI),
    NumberField(" ", 96, 3, &R::m_nBB),
    NumberField(" ", 100, 3, &R::m_nStrikeouts),
    NumberField(" ", 104, 3, &R::m_nStolenBases),
    TextField(" ", 108, 6, &R::m_strPicture),
};

static_assert(records::IsContiguous(kCommonBlock));
// The blank at column 114 separates the common block from the detail block.
static_assert(records::LayoutWidth(kCommonBlock) + 1 == CPlayerRecord::DETAIL_COLUMN);

} // namespace

void CPlayerRecord::ParseLine(const char* line, int playerType) {
    const std::string_view text = line != nullptr ? line : "";
    m_strDetail = text.size() > DETAIL_COLUMN ? std::string(text.substr(DETAIL_COLUMN)) : "";
    m_nPlayerType = playerType;
    records::ParseFields(*this, text, kCommonBlock);
}

std::string CPlayerRecord::FormatLine() const {
    const std::string_view detail = records::UpToNul(m_strDetail);
    std::string line;
    line.reserve(DETAIL_COLUMN + detail.size());
    records::FormatFields(*this, line, kCommonBlock);
    line += ' ';
    line += detail;
    return line;
}
