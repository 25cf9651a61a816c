#pragma once

namespace terralore {

// The worksheet catalogue lists 24 titles a page, on pages 0 to 40, so at
// most the first 984 titles can be reached.
constexpr int kTitlesPerPage = 24;
constexpr int kLastCataloguePage = 40;

// What page p of a catalogue of count titles shows: the entries first to
// last (none when last < first) and which page buttons are offered.
struct CataloguePageView {
    int first = 1;
    int last = 0;
    bool previous = false;
    bool next = false;
};

CataloguePageView cataloguePageView(int page, int count);

// How many title slots stay visible on page p after the list shrank to
// count titles: the smaller of a page and what is left from the page's
// start, none when nothing is.
int visibleCatalogueSlots(int page, int count);

} // namespace terralore
