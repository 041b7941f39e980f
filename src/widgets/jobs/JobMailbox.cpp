#include "widgets/jobs/JobMailbox.h"

#include <QTimer>

namespace tidecopy {

namespace {

// Often enough for a lively progress text, rarely enough to cost the window nothing.
constexpr int deliveryIntervalMs = 25;
// Log text waiting beyond these is delivered at once, and then holds the worker back.
constexpr std::size_t deliverAtOnceBytes = 16 * 1024;
constexpr std::size_t holdWorkerBytes = 64 * 1024;

} // namespace

JobMailbox::JobMailbox(LogTarget logTarget, QObject* parent)
    : QObject(parent)
    , m_logTarget(std::move(logTarget))
    , m_timer(new QTimer(this)) {
    m_latest.fill(-1);
    m_timer->setInterval(deliveryIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &JobMailbox::deliver);
}

JobMailbox::~JobMailbox() {
    close();
}

void JobMailbox::post(Call call) {
    std::lock_guard lock(m_mutex);
    if (!m_closed)
        pushOrdered(std::move(call));
}

void JobMailbox::postNow(Call call) {
    std::lock_guard lock(m_mutex);
    if (m_closed)
        return;
    pushOrdered(std::move(call));
    requestDelivery();
}

void JobMailbox::pushOrdered(Call call) {
    m_items.push_back({std::move(call), {}, 0, false});
    m_joinableLog = -1;
}

void JobMailbox::postLatest(Latest slot, Call call) {
    std::lock_guard lock(m_mutex);
    if (m_closed)
        return;
    std::ptrdiff_t& latest = m_latest[static_cast<std::size_t>(slot)];
    if (latest >= 0)
        m_items[static_cast<std::size_t>(latest)].call = nullptr;
    latest = static_cast<std::ptrdiff_t>(m_items.size());
    m_items.push_back({std::move(call), {}, 0, false});
}

void JobMailbox::appendLog(std::string_view text, std::size_t maxLength) {
    std::unique_lock lock(m_mutex);
    if (m_closed || text.empty())
        return;
    // Latest values may lie between; where they are shown does not matter.
    if (m_joinableLog >= 0 &&
        m_items[static_cast<std::size_t>(m_joinableLog)].maxLength == maxLength) {
        m_items[static_cast<std::size_t>(m_joinableLog)].log.append(text);
    } else {
        m_joinableLog = static_cast<std::ptrdiff_t>(m_items.size());
        m_items.push_back({nullptr, std::string(text), maxLength, true});
    }
    m_logBytes += text.size();
    if (m_logBytes >= deliverAtOnceBytes)
        requestDelivery();
    m_changed.wait(lock, [this] { return m_logBytes < holdWorkerBytes || m_closed; });
}

bool JobMailbox::waitFor(Call call) {
    auto done = std::make_shared<bool>(false); // guarded by m_mutex
    std::unique_lock lock(m_mutex);
    if (m_closed)
        return false;
    pushOrdered([this, done, call = std::move(call)] {
        call();
        std::lock_guard answered(m_mutex);
        *done = true;
        m_changed.notify_all();
    });
    requestDelivery();
    m_changed.wait(lock, [&] { return *done || m_closed; });
    return *done;
}

void JobMailbox::sleepFor(std::chrono::milliseconds duration) {
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, duration, [this] { return m_closed; });
}

void JobMailbox::requestDelivery() {
    if (m_deliveryRequested)
        return;
    m_deliveryRequested = true;
    QMetaObject::invokeMethod(this, &JobMailbox::deliver, Qt::QueuedConnection);
}

void JobMailbox::startDelivering() {
    m_timer->start();
}

void JobMailbox::stopDelivering() {
    m_timer->stop();
}

void JobMailbox::deliver() {
    std::vector<Item> items;
    {
        std::lock_guard lock(m_mutex);
        items.swap(m_items);
        m_latest.fill(-1);
        m_joinableLog = -1;
        m_logBytes = 0;
        m_deliveryRequested = false;
        m_changed.notify_all();
    }
    // A call may open a dialog whose event loop delivers again; that finds what came
    // after, never what is handled here.
    for (Item& item : items) {
        if (item.isLog)
            m_logTarget(item.log, item.maxLength);
        else if (item.call)
            item.call();
    }
}

void JobMailbox::close() {
    std::lock_guard lock(m_mutex);
    m_closed = true;
    m_items.clear();
    m_latest.fill(-1);
    m_joinableLog = -1;
    m_changed.notify_all();
}

} // namespace tidecopy
