#include "log/ui/QtLogPrinter.h"

#include <QFontDatabase>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <memory>

namespace tidecopy {

PrintOutcome QtLogPrinter::print(std::string_view text) {
    std::unique_ptr<QPrinter> printer;
    if (m_pdfFile.isEmpty()) {
        const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
        if (defaultPrinter.isNull())
            return PrintOutcome::NoPrinter;
        printer = std::make_unique<QPrinter>(defaultPrinter);
    } else {
        printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_pdfFile);
    }
    printer->setDocName("Tidecopy Log");

    QTextDocument document;
    document.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    document.setPlainText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).replace("\r\n", "\n"));
    document.print(printer.get());
    return printer->printerState() == QPrinter::Error ? PrintOutcome::Failed
                                                      : PrintOutcome::Printed;
}

} // namespace tidecopy
