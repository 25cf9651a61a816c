#pragma once

#include <QString>

namespace terralore {

class PrintSurface;

// What the certificate shows, read when printing starts.
struct Certificate {
    QString heading; // the second heading line (the quiz's product title line)
    QString name;    // the pupil's name as typed, possibly empty
    int score = 0;
    int questionCount = 0;
    // Width of the heading in the results screen's own font, in twips: the
    // heading drops from 36 to 28 points when this exceeds a quarter of the
    // printable width.
    float headingScreenWidth = 0;
};

// The band of "Well Done" along the top and bottom edges; it is printed twice
// over as one string, so it always runs past the right edge and is cut off.
QString wellDoneBanner();

// "You have scored 10 out of 10."
QString scoreSentence(int score, int questionCount);

// Prints the certificate on one page, fitted to the printable area with its
// proportions kept, and sends it: two banners, the title,
// the heading, "Excellent Work", the name, the score sentence and a frame of
// five outer and three inner rectangles. A printer failure raises PrintError
// and leaves the rest unprinted and unsent.
void layOutCertificate(PrintSurface &surface, const Certificate &certificate);

} // namespace terralore
