#pragma once

#include "log/LogPrinter.h"

#include <QString>

namespace tidecopy {

// Prints the log with Qt: on the system's default printer, or into a PDF file when one
// is named (tests never reach a real printer).
class QtLogPrinter : public LogPrinter {
public:
    QtLogPrinter() = default;
    explicit QtLogPrinter(QString pdfFile)
        : m_pdfFile(std::move(pdfFile)) {}

    PrintOutcome print(std::string_view text) override;

private:
    QString m_pdfFile;
};

} // namespace tidecopy
