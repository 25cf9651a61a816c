#pragma once

#include "PrintSurface.h"

#include <functional>

namespace terralore {

// Prints one document on the default printer: the routine draws it and ends
// it with EndDoc. Returns false when the printer is missing or the job
// failed; a failed job is aborted, so no part of it is printed.
bool printOnDefaultPrinter(const std::function<void(PrintSurface &)> &document);

} // namespace terralore
