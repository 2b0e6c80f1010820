#include "platform/edit_rules.h"

#include <algorithm>

namespace {

/// Typed letters of the 8-bit character set in capitals: a-z and the accented small letters
/// 0xE0 to 0xFE except the division sign 0xF7.
char ToUpper(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
        return static_cast<char>(byte - 0x20);
    return c;
}

/// The selection as ordered bounds inside the text.
std::pair<std::size_t, std::size_t> Selection(const EditText& field) {
    const auto clamp = [&](int at) {
        return std::min(static_cast<std::size_t>(std::max(at, 0)), field.text.size());
    };
    const std::size_t a = clamp(field.selectionStart);
    const std::size_t b = clamp(field.selectionEnd);
    return {std::min(a, b), std::max(a, b)};
}

EditText Replace(const EditText& field, std::size_t start, std::size_t end,
                 std::string_view inserted) {
    EditText result;
    result.text = field.text.substr(0, start);
    result.text += inserted;
    result.text += field.text.substr(end);
    result.selectionStart = result.selectionEnd = static_cast<int>(start + inserted.size());
    return result;
}

} // namespace

std::optional<EditText> ApplyEditInsertion(const EditText& field, std::string_view inserted,
                                           DWORD style, int textLimit) {
    if ((style & ES_READONLY) != 0)
        return std::nullopt;
    // A single-line field holds one line: a paste stops at the first line break or zero byte.
    const std::size_t lineEnd = inserted.find_first_of(std::string_view("\r\n\0", 3));
    if (lineEnd != std::string_view::npos)
        inserted = inserted.substr(0, lineEnd);

    if ((style & ES_NUMBER) != 0 &&
        !std::all_of(inserted.begin(), inserted.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::string text(inserted);
    if ((style & ES_UPPERCASE) != 0)
        std::transform(text.begin(), text.end(), text.begin(), ToUpper);

    const auto [start, end] = Selection(field);
    if (textLimit > 0) {
        const std::size_t kept = field.text.size() - (end - start);
        const std::size_t room =
            kept < static_cast<std::size_t>(textLimit) ? textLimit - kept : std::size_t{0};
        if (room < text.size())
            text.resize(room);
    }
    // Nothing offered, or none of it fits: the field stays as it was.
    if (text.empty())
        return std::nullopt;
    return Replace(field, start, end, text);
}

std::optional<EditText> ApplyEditDeletion(const EditText& field, bool backward, DWORD style) {
    if ((style & ES_READONLY) != 0)
        return std::nullopt;
    auto [start, end] = Selection(field);
    if (start == end) {
        if (backward && start > 0)
            --start;
        else if (!backward && end < field.text.size())
            ++end;
        else
            return std::nullopt;
    }
    return Replace(field, start, end, {});
}
