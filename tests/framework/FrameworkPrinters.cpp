// How test failures show the framework's value types.
#include "framework/COleDateTime.h"
#include "framework/CString.h"

#include <ostream>

void PrintTo(const CString& text, std::ostream* out)
{
    *out << '"' << text.GetString() << '"';
}
