#include "records/batter_record.h"

#include "records/columns.h"

#include <array>

namespace {

using records::Align;
using records::NumberField;
using records::TextField;
using R = CBatterRecord;

constexpr std::array<records::Field<CBatterRecord>, 15> kBlock = {
    TextField("", 0, 2, &R::m_strPosition, Align::Right),
    NumberField(" ", 3, 3, &R::m_nAltPosition),
    NumberField(" ", 7, 1, &R::m_nBatVsR),
    NumberField(" ", 9, 1, &R::m_nPowerVsR),
    NumberField(" ", 11, 1, &R::m_nBatVsL),
    NumberField(" ", 13, 1, &R::m_nPowerVsL),
    NumberField(" ", 15, 1, &R::m_nBunt),
    NumberField(" ", 17, 1, &R::m_nSpeed),
    NumberField(" ", 19, 1, &R::m_nGlove),
    NumberField(" ", 21, 1, &R::m_nArm),
    NumberField(" ", 23, 1, &R::m_nAccuracy),
    NumberField(" ", 25, 1, &R::m_nFundamental),
    NumberField(" ", 27, 1, &R::m_nInjury),
    NumberField(" ", 29, 1, &R::m_nStyle),
    NumberField(" ", 31, 1, &R::m_nPlayability),
};

static_assert(records::IsContiguous(kBlock));
static_assert(records::LayoutWidth(kBlock) == CBatterRecord::BLOCK_LENGTH);

// Which bit of the alternate-positions set stands for which flag.
struct AltPositionBit {
    int value;
    int CBatterRecord::*flag;
};

constexpr std::array<AltPositionBit, 6> kAltPositionBits = {{
    {1, &R::m_bAltOF},
    {2, &R::m_bAlt1B},
    {4, &R::m_bAlt2B},
    {8, &R::m_bAlt3B},
    {16, &R::m_bAltSS},
    {32, &R::m_bAltC},
}};

} // namespace

void CBatterRecord::ParseBlock(std::string_view block) {
    records::ParseFields(*this, block, kBlock);
    // A negative set counts by its two's-complement bits.
    const unsigned bits = static_cast<unsigned>(m_nAltPosition);
    for (const AltPositionBit& bit : kAltPositionBits)
        this->*bit.flag = (bits & static_cast<unsigned>(bit.value)) != 0 ? 1 : 0;
}

std::string CBatterRecord::FormatBlock() {
    m_nAltPosition = 0;
    for (const AltPositionBit& bit : kAltPositionBits)
        if (this->*bit.flag != 0)
            m_nAltPosition += bit.value;
    std::string block;
    block.reserve(BLOCK_LENGTH);
    records::FormatFields(*this, block, kBlock);
    return block;
}
