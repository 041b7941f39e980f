#pragma once

#include <functional>
#include <optional>
#include <string>
#include <system_error>

namespace tidecopy {

// Whether the machine is connected, as far as the system can tell.
enum class Reachability { Unknown, Disconnected, Connected };

class Connectivity {
public:
    virtual ~Connectivity() = default;
    virtual Reachability reachability() = 0;
};

// True unless the system knows there is no connection: a system that cannot tell (no
// network backend) leaves it to the download to find out.
bool IsConnected(Connectivity& connectivity);

// Fetches one small file from the web without blocking its caller. `delivered` is called
// once, on the caller's thread (possibly before fetch returns), with the body of a
// successful reply or nothing on any failure; after abort() it is not called.
class Downloader {
public:
    using Delivery = std::function<void(std::optional<std::string> body)>;
    virtual ~Downloader() = default;
    virtual void fetch(const std::string& url, Delivery delivered) = 0;
    virtual void abort() = 0;
};

// Opens a web page or a mail link in the desktop's browser or mail program.
class Browser {
public:
    virtual ~Browser() = default;
    virtual std::error_code open(const std::string& address) = 0;
};

// The web as the window reaches it. The real services talk to the network and the
// desktop, so tests use fakes.
struct WebServices {
    Connectivity& connectivity;
    Downloader& downloader;
    Browser& browser;
};

} // namespace tidecopy
