#include "records/columns.h"

#include <algorithm>
#include <climits>

namespace records {

std::string_view CutColumns(std::string_view text, std::size_t first, std::size_t width) {
    if (first >= text.size())
        return {};
    return text.substr(first, width);
}

int LeadingInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r')))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    // One past INT_MAX is enough to know the value no longer fits, and keeps the sum exact.
    constexpr long long limit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), limit);
    const long long value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void AppendLeftAligned(std::string& out, std::string_view text, std::size_t width) {
    const std::string_view cut = text.substr(0, width);
    out += cut;
    out.append(width - cut.size(), ' ');
}

void AppendRightAligned(std::string& out, std::string_view text, std::size_t width) {
    const std::string_view cut = text.substr(0, width);
    out.append(width - cut.size(), ' ');
    out += cut;
}

void AppendZeroPadded(std::string& out, int value, std::size_t digits) {
    // The magnitude is taken unsigned so that INT_MIN has one too.
    unsigned long long magnitude = static_cast<unsigned long long>(value);
    if (value < 0) {
        out += '-';
        magnitude = 0ULL - magnitude;
    }
    char reversed[24];
    std::size_t count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (count < digits)
        out.append(digits - count, '0');
    while (count > 0)
        out += reversed[--count];
}

} // namespace records
