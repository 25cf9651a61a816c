// The GIFT reader on arbitrary bytes: it must never crash, and the
// worksheets it accepts must come back unchanged through the GIFT writer.
#include "QuestionFileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    terralore::checkQuestionFile(fuzzBytes(data, size), terralore::readGift, terralore::writeGift);
    return 0;
}
