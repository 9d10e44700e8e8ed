// The hourglass shown while a long operation runs on the user-interface thread. Nested
// uses count: the previous cursor comes back when the outermost one ends.
#pragma once

class CWaitCursor
{
public:
    CWaitCursor();   // begins the wait cursor
    ~CWaitCursor();  // ends it
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Shows the wait cursor again after something (a message box) changed the cursor.
    void Restore();

    static void Begin();
    static void End();
    static int Depth();
};
