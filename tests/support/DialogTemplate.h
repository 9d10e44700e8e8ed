// Reads an extended dialog template from the program's resources into plain values,
// so tests can compare a dialog with what it should be.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DialogItem
{
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::string className;  // "Button", "Edit", "Static", "ListBox" or the name in the template
    std::string text;       // UTF-8; "#<n>" for an ordinal (an icon's resource id)
};

struct DialogTemplate
{
    bool found = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;  // UTF-8
    int fontPoints = 0;
    std::string fontName;
    std::vector<DialogItem> items;
};

DialogTemplate LoadDialogTemplate(int resourceId);
