#include "update/ui/AboutBox.h"

#include "update/WebServices.h"
#include "widgets/ControlNaming.h"
#include "widgets/LinkLabel.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace tidecopy {

namespace {

constexpr int iconSize = 48;
constexpr int textWidth = 460;

const char* const description = "Tidecopy backs up or copies the files of a source folder into a "
                                "destination folder: all of them, or only the new and changed "
                                "ones.";
const char* const features[] = {
    "Preview a backup before it touches a single file",
    "Copy only new and changed files; keep replaced files under a new name",
    "Follow every run in the activity log and keep daily log files",
    "Save a job as a profile and let it run by itself at start-up",
};
const char* const disclaimer = "Tidecopy is provided as is, without warranty of any kind. Keep "
                               "more than one copy of the files you cannot afford to lose, and "
                               "check your backups from time to time.";

QLabel* addLabel(QBoxLayout* layout, const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    nameControl(label, name, text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

// A mail to the maker with the version in its subject, every part encoded.
std::string mailLink(const std::string& address, ProductVersion version) {
    QUrl url;
    url.setScheme("mailto");
    url.setPath(QString::fromStdString(address));
    QUrlQuery query;
    query.addQueryItem("subject", QString::fromStdString(mailSubject(version)));
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded).toStdString();
}

OwnerDrawnButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new OwnerDrawnButton(parent);
    button->setObjectName(name);
    button->setButtonStyle(OwnerDrawnButton::textButtonStyle);
    button->setCaption(caption);
    return button;
}

} // namespace

AboutBox::AboutBox(ProductVersion version, AboutLinks links, Browser& browser, QWidget* owner)
    : QDialog(owner)
    , m_browser(browser) {
    setObjectName("frmAbout");
    setWindowTitle("About Tidecopy...");
    setAccessibleName(windowTitle());
    setModal(true);
    auto* picture = new QLabel(this);
    nameControl(picture, "imgIcon", "Tidecopy");
    picture->setPixmap(QApplication::windowIcon().pixmap(iconSize, iconSize));
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(14);
    layout->addWidget(picture, 0, 0, Qt::AlignTop);
    layout->addLayout(makeTexts(version), 0, 1);
    layout->addLayout(makeLinks(links, version), 1, 1);
    layout->addLayout(makeButtons(), 2, 0, 1, 2);
    layout->setColumnMinimumWidth(1, textWidth);
}

QLayout* AboutBox::makeTexts(ProductVersion version) {
    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    QLabel* label = addLabel(texts, "lblVersion", QString::fromStdString(versionLabel(version)));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    label->setFont(font);
    addLabel(texts, "lblDescription", description);
    texts->addSpacing(6);
    int index = 0;
    for (const char* feature : features)
        addLabel(texts, elementName("lblFeature", index++), QStringLiteral("• ") + feature);
    texts->addSpacing(6);
    addLabel(texts, "lblDisclaimer", disclaimer);
    return texts;
}

QLayout* AboutBox::makeLinks(const AboutLinks& links, ProductVersion version) {
    auto* row = new QHBoxLayout;
    row->setSpacing(24);
    const auto addLink = [this, row](const char* name, const QString& caption,
                                     std::string address) {
        auto* link = new LinkLabel(name, caption, this);
        connect(link, &LinkLabel::activated, this, [this, address] { m_browser.open(address); });
        row->addWidget(link);
    };
    addLink("lblWebSite", "Tidecopy web site", links.webPage);
    addLink("lblSupport", "Support group", links.supportPage);
    addLink("lblMail", "Mail the maker", mailLink(links.mailAddress, version));
    row->addStretch();
    return row;
}

QLayout* AboutBox::makeButtons() {
    auto* check = makeButton("cmdCheckForUpdates", "Check for updates", this);
    auto* close = makeButton("cmdClose", "Close", this);
    // The box opens on Close, so Enter closes it (Escape does anyway) and does not follow a
    // link by surprise.
    close->setFocus();
    connect(check, &OwnerDrawnButton::Pressed, this, &AboutBox::checkForUpdates);
    connect(close, &OwnerDrawnButton::Click, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch();
    row->addWidget(check);
    row->addWidget(close);
    return row;
}

} // namespace tidecopy
