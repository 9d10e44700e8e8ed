// Basic types shared by the framework's non-window classes; kept free of <windows.h>
// so those classes also build natively.
#pragma once

// Opaque iterator of the framework's lists.
struct __POSITION {};
typedef __POSITION* POSITION;

// OLE automation date: days since 1899-12-30 00:00 (the platform's OLE headers say the same).
typedef double DATE;
