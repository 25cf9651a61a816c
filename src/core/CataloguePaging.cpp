#include "CataloguePaging.h"

#include <algorithm>

namespace terralore {

CataloguePageView cataloguePageView(int page, int count)
{
    CataloguePageView view;
    view.first = page * kTitlesPerPage + 1;
    view.previous = page != 0;
    view.next = page != kLastCataloguePage;
    if (count < page * kTitlesPerPage + kTitlesPerPage + 1) {
        view.last = count;
        view.next = false;
    } else {
        view.last = page * kTitlesPerPage + kTitlesPerPage;
    }
    return view;
}

int visibleCatalogueSlots(int page, int count)
{
    return std::clamp(count - page * kTitlesPerPage, 0, kTitlesPerPage);
}

} // namespace terralore
