#include "app/QtDownloader.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace tidecopy {

QtDownloader::QtDownloader(Limits limits, QObject* parent)
    : QObject(parent)
    , m_limits(limits)
    , m_network(new QNetworkAccessManager(this))
    , m_deadline(new QTimer(this)) {
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        if (m_reply)
            m_reply->abort();
    });
}

QtDownloader::~QtDownloader() {
    abort();
}

void QtDownloader::fetch(const std::string& url, Delivery delivered) {
    abort();
    m_delivered = std::move(delivered);
    QNetworkReply* reply = m_network->get(QNetworkRequest(QUrl(QString::fromStdString(url))));
    m_reply = reply;
    // A larger file is no version file: stop as soon as it shows.
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, reply](qint64 received, qint64 total) {
                if (received > m_limits.maxBytes || total > m_limits.maxBytes)
                    reply->abort();
            });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
    m_deadline->start(m_limits.deadline);
}

void QtDownloader::abort() {
    m_deadline->stop();
    m_delivered = nullptr;
    if (QNetworkReply* reply = m_reply) {
        m_reply = nullptr;
        reply->abort();
        reply->deleteLater();
    }
}

void QtDownloader::finish(QNetworkReply* reply) {
    // An aborted reply still finishes; its fetch is over already.
    if (reply != m_reply)
        return;
    m_reply = nullptr;
    m_deadline->stop();
    reply->deleteLater();
    std::optional<std::string> body;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && status / 100 == 2) {
        const QByteArray bytes = reply->read(m_limits.maxBytes + 1);
        if (bytes.size() <= m_limits.maxBytes)
            body = bytes.toStdString();
    }
    // Taken first: the delivery may start the next fetch.
    const Delivery delivered = std::exchange(m_delivered, nullptr);
    if (delivered)
        delivered(std::move(body));
}

} // namespace tidecopy
