#pragma once
// The window's side of printing: the report painter of report/ plus the
// printer the print commands share. Kept apart from report/ because a
// QPrinter brings Qt Widgets with it, which radio-cli must not link.

#include "report/qt/ReportPainter.h"

class QPrinter;

namespace radio::print {

// The application's printer: the one Print Setup configures and the print
// commands use, kept until the application object goes away.
QPrinter& applicationPrinter();

} // namespace radio::print
