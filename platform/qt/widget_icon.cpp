#include "platform/qt/widget_icon.h"

#include <QPixmap>

namespace {

// Larger than any icon; it keeps the size arithmetic far from overflow.
constexpr int kLargestIconSide = 1024;

} // namespace

QImage ToWidgetImage(const IconImage& image) {
    if (image.width <= 0 || image.height <= 0 || image.width > kLargestIconSide ||
        image.height > kLargestIconSide)
        return {};
    const auto width = static_cast<std::size_t>(image.width);
    const auto height = static_cast<std::size_t>(image.height);
    if (image.argb.size() < width * height)
        return {};
    QImage result(image.width, image.height, QImage::Format_ARGB32);
    for (int row = 0; row < image.height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(row));
        const std::uint32_t* source = image.argb.data() + static_cast<std::size_t>(row) * width;
        std::copy(source, source + width, line);
    }
    return result;
}

QIcon ToWidgetIcon(std::initializer_list<const IconResource*> icons) {
    QIcon result;
    for (const IconResource* icon : icons) {
        if (icon == nullptr)
            continue;
        for (const IconImage& image : icon->images) {
            const QImage converted = ToWidgetImage(image);
            if (!converted.isNull())
                result.addPixmap(QPixmap::fromImage(converted));
        }
    }
    return result;
}
