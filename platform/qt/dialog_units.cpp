#include "platform/qt/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>

namespace {

// value * numerator / denominator, rounded half away from zero.
int MultiplyDivide(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

} // namespace

QFont DialogFont(const DialogTemplate& dialogTemplate) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if ((dialogTemplate.style & DS_SETFONT) != 0 && dialogTemplate.fontPointSize > 0)
        font.setPointSize(dialogTemplate.fontPointSize);
    return font;
}

DialogBaseUnits MeasureBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {MultiplyDivide(letters, 1, 52), metrics.height()};
}

QRect MapDialogRect(const DialogBaseUnits& units, int x, int y, int cx, int cy) {
    return {MultiplyDivide(x, units.x, 4), MultiplyDivide(y, units.y, 8),
            MultiplyDivide(cx, units.x, 4), MultiplyDivide(cy, units.y, 8)};
}
