#include "app/QtBrowser.h"

#include <QDesktopServices>
#include <QUrl>

namespace tidecopy {

std::error_code QtBrowser::open(const std::string& address) {
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || (scheme != "http" && scheme != "https" && scheme != "mailto"))
        return std::make_error_code(std::errc::invalid_argument);
    if (!QDesktopServices::openUrl(url))
        return std::make_error_code(std::errc::operation_not_supported);
    return {};
}

} // namespace tidecopy
