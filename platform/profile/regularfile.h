#pragma once

#include <QFile>
#include <QString>

namespace profile {

// Opens a file for reading only when it is a regular file (a link to one is fine). A FIFO or a
// device would block the reader or never end, so it is refused at once, before any read.
// On failure *error says why.
bool openRegularFile(QFile &file, QString *error);

} // namespace profile
