// Re-selects the records of the last searched range from the view's record list.
#include "app/RecordRange.h"

#include "app/TempRecord.h"

#include <cstring>

void CollectRecordsInRange(const CObList& records, const char* start, const char* end, CObList& out)
{
    for (POSITION pos = records.GetHeadPosition(); pos != nullptr;)
    {
        TempRecord* record = static_cast<TempRecord*>(records.GetNext(pos));
        if (std::strcmp(record->strDate, start) < 0)
            continue;
        if (std::strcmp(record->strDate, end) > 0)
            break;
        out.AddTail(record);
    }
}
