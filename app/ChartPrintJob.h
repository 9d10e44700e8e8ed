// The print job of the graph and radar pages: the print dialog with the page orientation
// preset, then one document "KelvoroChart" in which each copy is drawn once.
#pragma once

#include "framework/CDC.h"
#include "framework/CPrintDialog.h"

#include <functional>

// Draws one copy of the document's pages on the printer DC.
using ChartCopyPrinter = std::function<void(CDC& dc, const CPrintDialog& dialog)>;

// Asks for a printer (orientation DMORIENT_LANDSCAPE or DMORIENT_PORTRAIT preset); false when
// the dialog is cancelled, with nothing printed.
bool PrintChartDocument(short orientation, const ChartCopyPrinter& printCopy);

// The page scale under which the radar page's units of 1/300 inch are printer pixels: from the
// chosen print quality when it is a resolution, else from the DC's own resolution.
double RadarPageScale(const DEVMODEA& devMode, CDC& dc);
