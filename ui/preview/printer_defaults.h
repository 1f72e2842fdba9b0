// The application's printer defaults: one printer for the whole program, whose page orientation
// the report commands and the preview's landscape box set. Without a system printer it is a PDF
// printer, so the preview and printing to a file always work.
#pragma once

#include "reports/report_source.h"

class QPrinter;

namespace plx {

QPrinter& DefaultPrinter();

// Without a usable printer, reading gives portrait and writing does nothing.
PrintOrientation ReadPrintOrientation();
void WritePrintOrientation(PrintOrientation orientation);

}  // namespace plx
