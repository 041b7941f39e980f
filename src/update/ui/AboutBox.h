#pragma once

#include "update/ProductVersion.h"

#include <QDialog>
#include <string>

namespace tidecopy {

class Browser;

// Where the about box's links lead.
struct AboutLinks {
    std::string webPage;
    std::string supportPage;
    std::string mailAddress;
};

// frmAbout ("About Tidecopy..."): the program's version, what it does and does not
// promise, links to its web site, its support group and a mail to its maker, and the
// buttons "Check for updates" (on the press) and Close (on a click). Shown modally by the
// main window.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(ProductVersion version, AboutLinks links, Browser& browser, QWidget* owner);

signals:
    void checkForUpdates();

private:
    QLayout* makeTexts(ProductVersion version);
    QLayout* makeLinks(const AboutLinks& links, ProductVersion version);
    QLayout* makeButtons();

    Browser& m_browser;
};

} // namespace tidecopy
