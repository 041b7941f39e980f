#include "ManualPdf.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // Fonts and images need a GUI application, but the build runs without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QStringList arguments = QGuiApplication::arguments();
    QTextStream errors(stderr);
    if (arguments.size() != 3) {
        errors << "usage: manualpdf MANUAL.md OUT.pdf\n";
        return 2;
    }
    const QString failure = tidecopy::ManualPdf::convert(arguments.at(1), arguments.at(2));
    if (!failure.isEmpty()) {
        errors << "manualpdf: " << failure << "\n";
        return 1;
    }
    return 0;
}
