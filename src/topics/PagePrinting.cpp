#include "PagePrinting.h"

#include "picture/Picture.h"

// Printing comes with the print surface; until it is in, no page can be
// printed and every attempt says so.
bool printPagePicture(const terralore::Picture &)
{
    return false;
}
