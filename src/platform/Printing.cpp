#include "Printing.h"

#include "Devices.h"
#include "Fonts.h"

namespace terralore {

bool printOnDefaultPrinter(const std::function<void(PrintSurface &)> &document)
{
    // The printer's fonts are the screens' faces.
    registerFonts();
    PrinterDevice *printer = printerDevice();
    return printer && printer->print(document);
}

} // namespace terralore
