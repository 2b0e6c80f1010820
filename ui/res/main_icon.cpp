// Icon 128, the program's icon: a baseball, drawn at 32x32 and 16x16 in colours of the classic
// 16-colour palette, on a transparent ground.
#include "ui/res/resource.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr std::uint32_t TRANSPARENT = 0x00000000u;
constexpr std::uint32_t WHITE = 0xFFFFFFFFu;
constexpr std::uint32_t GRAY = 0xFF808080u;
constexpr std::uint32_t RED = 0xFFFF0000u;

// The ball fills the square; its two seams are arcs of circles whose centres lie outside the
// ball to the left and to the right, so each arc bulges towards the middle.
IconImage DrawBall(int size) {
    IconImage image{size, size, {}};
    image.argb.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    const double centre = (size - 1) / 2.0;
    const double radius = size / 2.0 - 0.5;
    const double seamOffset = 1.45 * radius;
    const double seamRadius = 1.05 * radius;
    const double seamWidth = size / 16.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = x - centre;
            const double dy = y - centre;
            const double distance = std::hypot(dx, dy);
            const double toLeftSeam = std::hypot(dx + seamOffset, dy);
            const double toRightSeam = std::hypot(dx - seamOffset, dy);
            const auto onSeam = [&](double d) {
                return d <= seamRadius && d > seamRadius - seamWidth;
            };
            std::uint32_t colour = WHITE;
            if (distance > radius + 0.5)
                colour = TRANSPARENT;
            else if (distance > radius - 0.5)
                colour = GRAY;
            else if (onSeam(toLeftSeam) || onSeam(toRightSeam))
                colour = RED;
            image.argb.push_back(colour);
        }
    }
    return image;
}

} // namespace

const IconResource& MainFrameIcon() {
    static const IconResource icon{IDR_MAINFRAME, {DrawBall(32), DrawBall(16)}};
    return icon;
}
