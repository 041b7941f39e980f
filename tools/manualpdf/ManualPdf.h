#pragma once

#include <QString>

namespace tidecopy {

// Renders one Markdown file, with the images it names relative to itself, into an A4 PDF
// with numbered pages. The user manual is built with it.
class ManualPdf {
public:
    // Empty on success, otherwise what went wrong, ready to be shown to the user.
    static QString convert(const QString& markdownPath, const QString& pdfPath);
};

} // namespace tidecopy
