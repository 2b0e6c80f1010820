#include "platform/qt/latin1_text.h"

QString ToWidgetText(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::optional<std::string> FromWidgetText(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        if (character.unicode() > 0xFF)
            return std::nullopt;
        bytes.push_back(static_cast<char>(character.unicode()));
    }
    return bytes;
}
