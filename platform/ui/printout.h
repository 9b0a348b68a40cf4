#pragma once

#include "platform/automation/error.h"

#include <QString>

class QPrinter;

namespace ui {

// Error 482, for a printout that could not be made.
automation::Error printerError();

// True when the print system knows at least one printer.
bool hasPrinter();

// A file name for a printout that is not there yet: the document's name with ".pdf" in the
// user's documents folder (the home folder when there is none), numbered " (2)" and on when
// that name is taken.
QString newPdfPath(const QString &documentName);

// Printed pages keep a margin: a new printer starts with three quarters of an inch, and what the
// dialog's page setup gives is widened to half an inch where it is narrower.
void setDefaultMargins(QPrinter &printer);
void keepLeastMargins(QPrinter &printer);

// The text in the system's fixed-pitch font, as many pages as it takes, as one document.
void paintDocument(QPrinter &printer, const QString &text);

} // namespace ui
