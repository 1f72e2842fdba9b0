// The Qt font of a ReportFont.
#pragma once

#include <QFont>

#include "reports/font_family.h"
#include "reports/report_surface.h"

namespace plx {

// "Tahoma" whose line (ascent + descent) is the font's cell height in pixels, unhinted so that
// its metrics scale with the height and the page measures alike on every device.
QFont ReportQFont(const ReportFont& font);

}  // namespace plx
