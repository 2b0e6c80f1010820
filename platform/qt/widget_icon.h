// Icon resources (ARGB images) as Qt icons.
#pragma once

#include "platform/dialog_template.h"

#include <QIcon>
#include <QImage>

/// One icon image as a Qt image; a null image when its pixels do not fill its size.
QImage ToWidgetImage(const IconImage& image);

/// Every image of the given icons (null icons are skipped) as one Qt icon.
QIcon ToWidgetIcon(std::initializer_list<const IconResource*> icons);
