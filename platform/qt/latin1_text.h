// Texts of the dialog framework are 8-bit, one byte per character; Qt's are Unicode.
// Between the two each byte maps to the character with the same number, so a text goes
// to a widget and back without a byte changing.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

/// The widget text for an 8-bit text: byte n becomes character U+00nn.
QString ToWidgetText(std::string_view bytes);

/// The 8-bit text for a widget text; no value when a character has no 8-bit form.
std::optional<std::string> FromWidgetText(const QString& text);
