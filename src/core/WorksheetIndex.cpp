#include "WorksheetIndex.h"

#include "FieldReader.h"

namespace terralore {

bool readWorksheetIndex(FieldReader &reader, int &count, WorksheetNameArray &names)
{
    long long n = 0;
    if (!reader.readNumber(n) || n < 0 || n > kMaxWorksheets)
        return false;
    for (int i = 1; i <= n; ++i) {
        QString title;
        if (!reader.readField(title)) {
            count = i - 1;
            return false;
        }
        names[i] = title;
    }
    count = int(n);
    return true;
}

} // namespace terralore
