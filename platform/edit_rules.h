// What typing and pasting can do to an edit field: the same rules for every host.
#pragma once

#include "platform/win_types.h"

#include <optional>
#include <string>
#include <string_view>

/// An edit field's text with its selection (or caret, when start == end).
struct EditText {
    std::string text;
    int selectionStart = 0;
    int selectionEnd = 0;
    bool operator==(const EditText&) const = default;
};

/// Replaces the selection with typed or pasted 8-bit text, under the field's styles
/// (ES_READONLY, ES_NUMBER, ES_UPPERCASE) and its text limit (0: none). No value when the
/// field accepts nothing of it; otherwise the new text with the caret after the insertion.
/// The field holds one line: the inserted text ends at its first line break or zero byte.
std::optional<EditText> ApplyEditInsertion(const EditText& field, std::string_view inserted,
                                           DWORD style, int textLimit);

/// Deletes the selection, or the character before (backspace) or after the caret.
std::optional<EditText> ApplyEditDeletion(const EditText& field, bool backward, DWORD style);
