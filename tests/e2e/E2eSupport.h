// What the end-to-end tests share: log bytes written by hand, the program's view and pages
// as the user sees them.
#pragma once

#include "support/AppHarness.h"

#include <windows.h>

#include <string>
#include <vector>

class CTempDegreeContainer;

// "T" header of a log: date, time and logging interval as the controller writes them.
std::string LogHeader(int year, int month, int day, int hour, int minute, int interval);
// A data record: a 6-byte temperature field and the two alarm bytes in hex.
std::string LogData(const char* temperature6, int alarm1 = 0, int alarm2 = 0);

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
