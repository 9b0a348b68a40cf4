#pragma once

#include "ide/files/formfile.h"

class QRegularExpression;

namespace vbhost {

// An attribute line, "Attribute NAME = VALUE": the name and the value's text.
const QRegularExpression &attributePattern();

// The text as lines in the file's code page, each ended with `eol` but the last, unless the text
// ends with a line break or `lastGetsEol`.
QList<TextLine> textToLines(const QString &text, const QByteArray &eol, bool lastGetsEol,
                            const CodePage &codePage);

// Reads the lines of a form, module or class file; a line it cannot take raises a ParseError
// naming the file and the line.
FormFile parseFormFile(const QString &fileName, QList<TextLine> lines, CodePage codePage);

} // namespace vbhost
