#include "app/QtConnectivity.h"

#include <QNetworkInformation>

namespace tidecopy {

Reachability QtConnectivity::reachability() {
    // Loaded on first use: only a check that asks waits for the backend.
    static const bool loaded =
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* information = loaded ? QNetworkInformation::instance() : nullptr;
    if (information == nullptr)
        return Reachability::Unknown;
    switch (information->reachability()) {
    case QNetworkInformation::Reachability::Unknown:
        return Reachability::Unknown;
    case QNetworkInformation::Reachability::Disconnected:
        return Reachability::Disconnected;
    default:
        // A local or site network may still reach the web site through its proxy: the
        // download finds out.
        return Reachability::Connected;
    }
}

} // namespace tidecopy
