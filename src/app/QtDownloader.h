#pragma once

#include "update/WebServices.h"

#include <QObject>
#include <QPointer>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace tidecopy {

// Downloads one small file at a time with the toolkit's network access, on the window's
// thread without ever waiting for it. A reply counts only with a 2xx status, within a
// deadline for the whole transfer and no larger than a cap; anything else delivers
// nothing.
class QtDownloader : public QObject, public Downloader {
    Q_OBJECT
public:
    struct Limits {
        std::chrono::milliseconds deadline{10'000};
        qint64 maxBytes = 4096;
    };

    explicit QtDownloader(Limits limits, QObject* parent = nullptr);
    explicit QtDownloader(QObject* parent = nullptr)
        : QtDownloader(Limits{}, parent) {}
    ~QtDownloader() override;

    void fetch(const std::string& url, Delivery delivered) override;
    void abort() override;

private:
    void finish(QNetworkReply* reply);

    Limits m_limits;
    QNetworkAccessManager* m_network;
    QTimer* m_deadline;
    QPointer<QNetworkReply> m_reply;
    Delivery m_delivered;
};

} // namespace tidecopy
