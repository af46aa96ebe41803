#pragma once
// What a PDF says, page by page, as pdftotext (poppler-utils) reads it: the checks look at a
// written PDF the way a user's viewer shows it.

#include <QString>
#include <QStringList>

namespace lumivane::test {

// Whether pdftotext can be run.
bool HasPdfToText();
// The text of each page; empty when the file is no PDF.
QStringList PdfPages(const QString& pdf);

} // namespace lumivane::test
