#include "PagePrinting.h"

#include "PrintSurface.h"
#include "Services.h"
#include "picture/Picture.h"

bool printPagePicture(terralore::Services &services, const terralore::Picture &picture)
{
    // A page whose print copy is missing or unreadable would come out blank
    // and look printed: refuse it like a failed job.
    if (picture.isNull())
        return false;
    return services.print([&picture](terralore::PrintSurface &surface) {
        surface.newLine();
        surface.drawPicture(picture, 1000, 1000);
        surface.finish();
    });
}
