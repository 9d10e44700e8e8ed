// What the end-to-end tests share: log bytes written by hand, the program's view and pages
// as the user sees them.
#pragma once

#include "e2e/ViewHost.h"  // LogHeader, LogData
#include "support/app/AppHarness.h"

#include <windows.h>

#include <string>
#include <vector>

class CTempDegreeContainer;

// The program's view object (in this process).
CTempDegreeContainer& TheView();

// Sets the view's date picker as the user does.
void PickDate(AppHarness& app, int year, int month, int day);
// The list view of the "DOC" page.
HWND TableList(AppHarness& app);
int TableRowCount(AppHarness& app);
std::string TableCell(AppHarness& app, int row, int column);

// Loads a file through "File": the dialog gets the typed path and the kind's radio button,
// then OK. Message boxes that follow are read into messages (in order) and confirmed.
void LoadThroughFileButton(AppHarness& app, const std::string& path, int kindRadioId,
                           std::vector<std::string>* messages, int expectedMessages);

// Clicks the tab of page index (0 "DOC", 1 "GRAPH", 2 "Radar Chart").
void SelectTab(AppHarness& app, int index);
