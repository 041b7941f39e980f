#pragma once

#include <QObject>
#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QTimer;

namespace tidecopy {

// Carries a running job's calls from its worker thread to the window's thread, in
// order. A value of which only the latest matters (progress) replaces the one still
// waiting; log text joins the text still waiting. The window takes what waits on each
// tick of its timer, and at once when the worker waits for an answer or much log text
// waits. Once closed it drops what waits and answers no more questions.
class JobMailbox : public QObject {
    Q_OBJECT
public:
    using Call = std::function<void()>;
    // Where log text goes on the window's thread, with the log's length limit in force
    // on the worker's side when it was appended.
    using LogTarget = std::function<void(std::string_view text, std::size_t maxLength)>;
    enum class Latest { Progress };

    explicit JobMailbox(LogTarget logTarget, QObject* parent = nullptr);
    ~JobMailbox() override;

    // Worker side.
    void post(Call call);
    void postLatest(Latest slot, Call call);
    // Waits while the window is far behind, so that no delivery grows without bound.
    void appendLog(std::string_view text, std::size_t maxLength);
    // Runs question on the window's thread and waits for its answer; nullopt once closed.
    template <typename T>
    std::optional<T> ask(std::function<T()> question);
    // Posts call and has it delivered at once.
    void postNow(Call call);
    // Waits for duration, or until the mailbox closes.
    void sleepFor(std::chrono::milliseconds duration);

    // Window side.
    void startDelivering();
    void stopDelivering();
    void deliver();
    void close();

private:
    struct Item {
        Call call;       // empty for log text, or when a later value replaced it
        std::string log; // log text, for an item without a call
        std::size_t maxLength = 0;
        bool isLog = false;
    };
    static constexpr std::size_t latestCount = 1;

    bool waitFor(Call call);
    // An ordered call: log text after it starts a new delivery of its own.
    void pushOrdered(Call call);
    void requestDelivery(); // with m_mutex held

    LogTarget m_logTarget;
    QTimer* m_timer;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Item> m_items;
    std::array<std::ptrdiff_t, latestCount> m_latest{};
    std::ptrdiff_t m_joinableLog = -1; // the log text later text may join
    std::size_t m_logBytes = 0;
    bool m_deliveryRequested = false;
    bool m_closed = false;
};

template <typename T>
std::optional<T> JobMailbox::ask(std::function<T()> question) {
    // Shared: a question still open when the mailbox closes answers into nothing.
    auto answer = std::make_shared<std::optional<T>>();
    if (!waitFor([answer, question = std::move(question)] { *answer = question(); }))
        return std::nullopt;
    return std::move(*answer);
}

} // namespace tidecopy
