// For code outside the dialog program that prints through the same painters: a device context
// on a printer it has set up itself, or on a PDF document in memory.
#pragma once

#include "platform/afxdc.h"

#include <string>
#include <vector>

class QByteArray;
class QPageLayout;
class QPrinter;

// The printer stays the caller's; release the device with CDC::DeleteDC before the printer. A
// PDF file it prints to must not be one of eingaben.
HDC DruckgeraetFuer(QPrinter* drucker, const std::vector<std::string>& eingaben = {});

// A PDF document on pages of this layout, at the printer's 1200 dpi, kept in memory: EndDoc
// puts it into *pdf, for the caller to write with the other outputs of the same job.
HDC PdfGeraet(const QPageLayout& seite, QByteArray* pdf);
