// The printer device library: the program loads it on its first print.
#include "Devices.h"
#include "PrinterSurface.h"

#include <exception>

namespace terralore {
namespace {

class DefaultPrinter : public PrinterDevice {
public:
    bool print(const std::function<void(PrintSurface &)> &document) override
    {
        PrinterSurface surface;
        try {
            document(surface);
        } catch (const PrintError &) {
            surface.abort();
            return false;
        } catch (const std::exception &) {
            // Anything else going wrong while printing (memory, a picture) is
            // a failed job too; nothing half-made goes out.
            surface.abort();
            return false;
        }
        // A routine that forgot to end its document sends nothing.
        if (!surface.ended()) {
            surface.abort();
            return false;
        }
        return true;
    }
};

} // namespace
} // namespace terralore

extern "C" Q_DECL_EXPORT terralore::PrinterDevice *terraloreMakePrinterDevice()
{
    return new terralore::DefaultPrinter;
}
