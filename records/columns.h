// Fixed-column fields: cutting them out of a text, reading their integers and
// writing them back, driven by one layout table per record type.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace records {

/// The characters of columns first to first + width - 1 of text, clipped at its end.
std::string_view CutColumns(std::string_view text, std::size_t first, std::size_t width);

/// Reads the leading integer of text: white space, an optional sign, then digits; 0 without digits.
/// A value beyond the range of int is clamped to it.
int LeadingInteger(std::string_view text);

/// Appends the first width characters of text, blank-padded on the right (printf "%-N.Ns").
void AppendLeftAligned(std::string& out, std::string_view text, std::size_t width);

/// Appends the first width characters of text, blank-padded on the left (printf "%N.Ns").
void AppendRightAligned(std::string& out, std::string_view text, std::size_t width);

/// Appends value in decimal with at least digits digits, zero-padded (printf "%N.Ni").
/// A value that needs more digits, or a sign, is written in full and is longer.
void AppendZeroPadded(std::string& out, int value, std::size_t digits);

/// How a text field fills its columns.
enum class Align { Left, Right };

/// One field of a fixed-column layout: either a text or an integer member of Record.
template <class Record> struct Field {
    std::string_view before; // fixed characters written in front of the field
    std::size_t first;       // the field's first column
    std::size_t width;
    std::string Record::*text = nullptr;
    int Record::*number = nullptr;
    Align align = Align::Left;
};

/// A text field; Align::Right pads with blanks in front.
template <class Record>
constexpr Field<Record> TextField(std::string_view before, std::size_t first, std::size_t width,
                                  std::string Record::*member, Align align = Align::Left) {
    return {before, first, width, member, nullptr, align};
}

/// An integer field, written zero-padded to its width.
template <class Record>
constexpr Field<Record> NumberField(std::string_view before, std::size_t first, std::size_t width,
                                    int Record::*member) {
    return {before, first, width, nullptr, member, Align::Left};
}

/// True when each field starts right behind its predecessor and the characters in front of it,
/// so that formatting in-range values puts every field back into the columns it is read from.
template <class Record, std::size_t N>
constexpr bool IsContiguous(const std::array<Field<Record>, N>& layout) {
    std::size_t column = 0;
    for (const Field<Record>& field : layout) {
        if (field.first != column + field.before.size())
            return false;
        column = field.first + field.width;
    }
    return true;
}

/// The length of the formatted layout when every value fits its columns.
template <class Record, std::size_t N>
constexpr std::size_t LayoutWidth(const std::array<Field<Record>, N>& layout) {
    return N == 0 ? 0 : layout[N - 1].first + layout[N - 1].width;
}

/// The text as the line holds it: a NUL ends it, as it ends a line in memory.
inline std::string_view UpToNul(const std::string& text) {
    return std::string_view(text.c_str());
}

/// Sets every field of record from its columns of text; the separators are never read.
template <class Record, std::size_t N>
void ParseFields(Record& record, std::string_view text,
                 const std::array<Field<Record>, N>& layout) {
    for (const Field<Record>& field : layout) {
        const std::string_view cut = CutColumns(text, field.first, field.width);
        if (field.text != nullptr)
            record.*field.text = std::string(cut);
        else
            record.*field.number = LeadingInteger(cut);
    }
}

/// Appends every field of record with the fixed characters in front of it.
template <class Record, std::size_t N>
void FormatFields(const Record& record, std::string& out,
                  const std::array<Field<Record>, N>& layout) {
    for (const Field<Record>& field : layout) {
        out += field.before;
        if (field.number != nullptr)
            AppendZeroPadded(out, record.*field.number, field.width);
        else if (field.align == Align::Right)
            AppendRightAligned(out, UpToNul(record.*field.text), field.width);
        else
            AppendLeftAligned(out, UpToNul(record.*field.text), field.width);
    }
}

} // namespace records
