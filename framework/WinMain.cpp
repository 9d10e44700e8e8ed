// Process entry point of the Windows program: runs the one application object.
#include "framework/CWinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int cmdShow)
{
    return AfxWinMain(instance, previous, commandLine, cmdShow);
}
