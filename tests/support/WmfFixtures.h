#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace terralore::test {

struct WmfFixture {
    QString name; // file name under tests/fixtures/wmf/
    QByteArray bytes;
    bool broken; // deliberately damaged: must read and draw without harm
};

// The writer-made fixtures, committed under tests/fixtures/wmf/ and used as
// seeds by the fuzzer; tst_wmffixtures keeps the files equal to these bytes.
QList<WmfFixture> writerFixtures();

// A full screen page (784 x 520 px at 96 dpi) of text and shapes.
QByteArray pageFixture();

} // namespace terralore::test
