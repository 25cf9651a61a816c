#pragma once

namespace terralore {
class Picture;
class Services;
} // namespace terralore

// Prints one page picture on the default printer, without a dialog: an empty
// line opens the job, the picture is painted at x 1000, y 1000 twips in its
// own size, and the job ends. False when no printer is available, the job
// failed (nothing of it is printed) or there is no picture to print; the
// caller tells the user.
bool printPagePicture(terralore::Services &services, const terralore::Picture &picture);
