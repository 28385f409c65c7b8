// For code outside the dialog program that prints through the same painters: a device context
// on a printer it has set up itself (a PDF file, for example).
#pragma once

#include "platform/afxdc.h"

class QPrinter;

// The printer stays the caller's; release the device with CDC::DeleteDC before the printer.
HDC DruckgeraetFuer(QPrinter* drucker);
