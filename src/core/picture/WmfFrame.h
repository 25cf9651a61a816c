#pragma once

#include "picture/WmfDocument.h"

namespace terralore::wmfframe {

// Settles the document's frame, units per inch and starting window.
//
// A placeable file's header gives them. A plain file (or one whose header
// frame is empty) is framed by its own first window: the first SetWindowExt
// (with the window origin set before it) in a mapping mode that has one, at
// 1440 units per inch, which is what old drawing programs wrote; failing
// that, by the bounds of what it draws, at the mapping mode's own units per
// inch (1440 again for MM_TEXT and the scalable modes).
// False if no frame can be found (nothing drawn): the picture is empty.
bool settle(WmfDocument &doc);

} // namespace terralore::wmfframe
