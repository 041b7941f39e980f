#pragma once

#include "update/WebServices.h"

#include <optional>
#include <string>
#include <vector>

namespace tidecopy::test {

// The web without a network: a reachability the test sets, a downloader that answers
// each fetch with the reply the test gives (at once, or when the test delivers it), and
// a browser that records what it is asked to open.
class FakeWeb : public Connectivity, public Downloader, public Browser {
public:
    Reachability reachability() override { return state; }

    void fetch(const std::string& url, Delivery delivered) override {
        fetched.push_back(url);
        pending = std::move(delivered);
        if (!holdReplies)
            deliver();
    }
    void abort() override { pending = nullptr; }
    // Answers the fetch that waits, if any, with the reply.
    void deliver() {
        if (Delivery delivered = std::exchange(pending, nullptr))
            delivered(reply);
    }

    std::error_code open(const std::string& address) override {
        opened.push_back(address);
        return {};
    }

    Reachability state = Reachability::Connected;
    std::optional<std::string> reply;
    bool holdReplies = false;
    Delivery pending;
    std::vector<std::string> fetched;
    std::vector<std::string> opened;
    WebServices services{*this, *this, *this};
};

} // namespace tidecopy::test
