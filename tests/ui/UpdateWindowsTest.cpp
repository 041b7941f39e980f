#include "app/QtBrowser.h"
#include "app/QtDownloader.h"
#include "support/FakeWeb.h"
#include "update/ui/AboutBox.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDesktopServices>
#include <QLabel>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

using namespace std::chrono_literals;

// An HTTP server on 127.0.0.1 at a free port, started by the test: it answers each request
// with the given bytes and closes, or, when trickling, keeps sending one byte more every
// 20 ms after them. No bytes: it never answers.
class LocalServer {
public:
    LocalServer(QByteArray reply, bool trickle) {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this, reply, trickle] {
            QTcpSocket* socket = m_server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, reply, trickle] {
                socket->readAll();
                socket->write(reply);
                if (trickle) {
                    auto* timer = new QTimer(socket);
                    QObject::connect(timer, &QTimer::timeout, socket,
                                     [socket] { socket->write("x"); });
                    timer->start(20);
                } else if (!reply.isEmpty()) {
                    socket->disconnectFromHost();
                }
            });
        });
    }
    std::string url() const {
        return "http://127.0.0.1:" + std::to_string(m_server.serverPort()) + "/dversion.ver";
    }

private:
    QTcpServer m_server;
};

QByteArray httpReply(int status, const QByteArray& body, qint64 length = -1) {
    return "HTTP/1.1 " + QByteArray::number(status) +
           " Whatever\r\nContent-Length: " + QByteArray::number(length < 0 ? body.size() : length) +
           "\r\n\r\n" + body;
}

// Only a 2xx reply within the deadline for the whole transfer and below the size cap
// counts; a fetch aborted is never delivered.
TEST(QtDownloader, DeliversOnlyASmallSuccessfulReplyInTime) {
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    struct Case {
        const char* name;
        QByteArray reply;
        bool trickle;
        std::optional<std::string> body;
    };
    const Case cases[] = {
        {"success", httpReply(200, "321\r\nNews\r\n"), false, "321\r\nNews\r\n"},
        {"not found", httpReply(404, "321\r\n"), false, std::nullopt},
        {"larger than the cap", httpReply(200, QByteArray(65, '3')), false, std::nullopt},
        {"no answer", "", false, std::nullopt},
        {"slower than the deadline", httpReply(200, "3", 40), true, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LocalServer server(c.reply, c.trickle);
        QtDownloader downloader({300ms, 64});
        std::optional<std::optional<std::string>> delivered;
        downloader.fetch(server.url(), [&delivered](std::optional<std::string> body) {
            delivered = std::move(body);
        });
        EXPECT_TRUE(QTest::qWaitFor([&delivered] { return delivered.has_value(); }, 5000));
        EXPECT_EQ(delivered.value_or("not delivered"), c.body);
    }
    LocalServer silent("", false);
    QtDownloader downloader({300ms, 64});
    bool delivered = false;
    downloader.fetch(silent.url(), [&delivered](std::optional<std::string>) { delivered = true; });
    downloader.abort();
    QTest::qWait(400);
    EXPECT_FALSE(delivered);
}

// Catches what the desktop would be asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

TEST(QtBrowser, OpensOnlyWebPagesAndMailLinks) {
    UrlCatcher catcher;
    const QStringList schemes{"http", "https", "mailto", "file", "javascript", "ftp"};
    for (const QString& scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &catcher, "open");
    QtBrowser browser;
    for (const char* address :
         {"https://tidecopy.example.org/", "http://tidecopy.example.org/a",
          "mailto:maker@example.org?subject=Orn-Tidecopy%20v100", "file:///bin/sh",
          "javascript:alert(1)", "ftp://example.org/", "not an address"})
        browser.open(address);
    for (const QString& scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);
    EXPECT_EQ(catcher.opened,
              QStringList({"https://tidecopy.example.org/", "http://tidecopy.example.org/a",
                           "mailto:maker@example.org?subject=Orn-Tidecopy v100"}));
}

enum class Way { Mouse, Keyboard, AssistiveTechnology };

void activate(QWidget* control, Way way) {
    switch (way) {
    case Way::Mouse:
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, control->height() / 2));
        break;
    case Way::Keyboard:
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control, Qt::Key_Return);
        break;
    case Way::AssistiveTechnology:
        QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        break;
    }
}

// The version 3.2.1 as the about box shows it; its links open their addresses and its
// buttons act, whichever way they are pressed.
TEST(AboutBox, ShowsTheVersionAndItsLinksAndButtonsAct) {
    test::FakeWeb web;
    AboutBox box({3, 2, 1},
                 {"https://tidecopy.example.org/", "https://tidecopy.example.org/support",
                  "maker@example.org"},
                 web, nullptr);
    box.show();
    EXPECT_EQ(box.windowTitle(), "About Tidecopy...");
    EXPECT_TRUE(box.isModal());
    auto* version = box.findChild<QLabel*>("lblVersion");
    EXPECT_EQ(version->text(), "Tidecopy V.3.2.1");
    EXPECT_EQ(version->accessibleName(), "Tidecopy V.3.2.1");
    for (const char* name : {"lblDescription", "lblFeature(0)", "lblDisclaimer"})
        EXPECT_FALSE(box.findChild<QLabel*>(name)->text().isEmpty()) << name;

    const std::pair<const char*, const char*> links[] = {
        {"lblWebSite", "https://tidecopy.example.org/"},
        {"lblSupport", "https://tidecopy.example.org/support"},
        {"lblMail", "mailto:maker@example.org?subject=Orn-Tidecopy%20v321"},
    };
    QSignalSpy checks(&box, &AboutBox::checkForUpdates);
    for (const Way way : {Way::Mouse, Way::Keyboard, Way::AssistiveTechnology}) {
        SCOPED_TRACE(static_cast<int>(way));
        for (const auto& [name, address] : links) {
            web.opened.clear();
            activate(box.findChild<QWidget*>(name), way);
            EXPECT_EQ(web.opened, std::vector<std::string>{address}) << name;
        }
        activate(box.findChild<QWidget*>("cmdCheckForUpdates"), way);
        QTest::qWait(60);
    }
    EXPECT_EQ(checks.count(), 3);
    QTest::mouseClick(box.findChild<QWidget*>("cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

} // namespace
} // namespace tidecopy

#include "UpdateWindowsTest.moc"
