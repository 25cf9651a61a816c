#pragma once

#include <QString>

namespace terralore {

class Picture;
class WmfDocument;

// The text a page picture writes, in reading order, to be read aloud: the
// runs drawn on one baseline make a line, the lines of a paragraph make its
// sentences, and a heading or a caption ends with a full stop. Taken from
// the parsed metafile itself, so a page's text lives in its picture only.
QString pageText(const WmfDocument &doc);
// The same for any picture; a raster picture has none.
QString pageText(const Picture &picture);

} // namespace terralore
