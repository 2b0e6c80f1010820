// Dialog units: template positions and sizes are in quarters of the dialog font's average
// character width and eighths of its height, so a dialog keeps its proportions at any font
// size and screen resolution.
#pragma once

#include "platform/dialog_template.h"

#include <QFont>
#include <QRect>

/// The pixel size of four horizontal and eight vertical dialog units.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
    bool operator==(const DialogBaseUnits&) const = default;
};

/// The font a template names, as this system has it: the system's sans-serif family at the
/// template's point size (the fonts templates name are not found on every system).
QFont DialogFont(const DialogTemplate& dialogTemplate);

/// Base units of a font: the average width of "A".."Z" and "a".."z", rounded, and its height.
DialogBaseUnits MeasureBaseUnits(const QFont& font);

/// A rectangle in dialog units, in pixels.
QRect MapDialogRect(const DialogBaseUnits& units, int x, int y, int cx, int cy);
