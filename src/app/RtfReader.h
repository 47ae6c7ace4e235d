// RtfReader: reads the rich text format of the program's introduction into
// a Qt text document: paragraphs, line breaks and tabs, bold, italic and
// underline, font sizes, the colours of the colour table, and the
// characters of hexadecimal (\'hh, Windows-1252) and Unicode (\uN) escapes.
// Groups the reader does not show (font and style tables, document
// information, pictures, and every destination marked \*) are skipped.
#pragma once

#include <QByteArray>

class QTextDocument;

namespace lintavo {

// Replaces document's content with the text of rtf; false, with the
// document left empty, when rtf does not start as rich text ("{\rtf").
bool ReadRtf(const QByteArray& rtf, QTextDocument& document);

}  // namespace lintavo
