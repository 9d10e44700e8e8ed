// Draws through a callback onto an enhanced metafile and reads back its text calls, for exact
// checks of texts, places and colours.
#pragma once

#include "framework/CDC.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct MetafileText
{
    std::string text;      // the characters in code page 949, as the program holds its texts
    RECT bounds;           // inclusive, glyph overhang included
    POINT origin;          // where the text starts
    COLORREF textColour;   // in force when it was drawn
    COLORREF bkColour;
    bool bFill;            // an opaque call without text: a solid fill of bounds in bkColour
    BYTE charSet;          // of the font selected when it was drawn
};

std::vector<MetafileText> RecordTexts(const std::function<void(CDC&)>& draw);

// The texts alone (fills left out), joined by a blank.
std::string JoinedTexts(const std::vector<MetafileText>& texts);
