// Re-selects the records of the last searched range from the view's record list.
#pragma once

#include "framework/CObList.h"

// Adds to out, in file order, the records dated from start to end: a record dated before start is
// passed over, the first one dated after end ends the walk (the list is in ascending date order).
// Dates are "YYYY-MM-DD" texts compared byte for byte, which orders them by calendar.
void CollectRecordsInRange(const CObList& records, const char* start, const char* end, CObList& out);
