#include "ui/preview/printer_defaults.h"

#include <QPrinter>

#include "reports/print_pages.h"

namespace plx {

QPrinter& DefaultPrinter() {
    // Never destroyed: its destructor would run after the application object it needs.
    static QPrinter* const printer = [] {
        auto* made = new QPrinter(QPrinter::HighResolution);
        // A PDF printer has no margins of its own; give it a common printer's.
        if (made->outputFormat() == QPrinter::PdfFormat) {
            made->setResolution(600);
            made->setPageLayout(ReportPageLayout(QPageSize::A4, PrintOrientation::Portrait));
        }
        return made;
    }();
    return *printer;
}

PrintOrientation ReadPrintOrientation() {
    if (!DefaultPrinter().isValid())
        return PrintOrientation::Portrait;
    return DefaultPrinter().pageLayout().orientation() == QPageLayout::Landscape
               ? PrintOrientation::Landscape
               : PrintOrientation::Portrait;
}

void WritePrintOrientation(PrintOrientation orientation) {
    if (!DefaultPrinter().isValid())
        return;
    DefaultPrinter().setPageOrientation(orientation == PrintOrientation::Landscape
                                            ? QPageLayout::Landscape
                                            : QPageLayout::Portrait);
}

}  // namespace plx
