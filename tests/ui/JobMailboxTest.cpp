#include "widgets/jobs/JobMailbox.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <thread>

namespace tidecopy {
namespace {

// A mailbox between a real worker thread and this test's thread, which delivers.
class JobMailboxTest : public testing::Test {
protected:
    std::string log;
    std::vector<std::string> calls;
    JobMailbox mailbox{[this](std::string_view text, std::size_t maxLength) {
        log += text;
        calls.push_back("log " + std::to_string(maxLength));
    }};
};

TEST_F(JobMailboxTest, CallsArriveInOrderWithOnlyTheLatestProgressAndTheLogJoined) {
    mailbox.post([this] { calls.push_back("first"); });
    for (int i = 1; i <= 3; ++i) {
        mailbox.postLatest(JobMailbox::Latest::Progress,
                           [this, i] { calls.push_back("progress " + std::to_string(i)); });
        mailbox.appendLog("line " + std::to_string(i) + "\r\n", 100);
    }
    mailbox.appendLog("limit changed\r\n", 0);
    mailbox.post([this] { calls.push_back("last"); });
    mailbox.deliver();
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "log 100", "progress 3", "log 0", "last"}));
    EXPECT_EQ(log, "line 1\r\nline 2\r\nline 3\r\nlimit changed\r\n");
}

TEST_F(JobMailboxTest, AQuestionIsAnsweredOnTheDeliveringThread) {
    std::optional<std::thread::id> askedOn;
    std::optional<int> answer;
    std::thread worker([&] {
        answer = mailbox.ask<int>([&] {
            askedOn = std::this_thread::get_id();
            return 42;
        });
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
    worker.join();
    EXPECT_EQ(*answer, 42);
    EXPECT_EQ(askedOn, std::this_thread::get_id());
}

TEST_F(JobMailboxTest, ClosingReleasesAWaitingWorkerWithoutAnAnswer) {
    std::optional<int> answer = 0;
    // Whether the question came before the closing or after, it is never answered and
    // the worker goes on.
    std::thread worker([&] { answer = mailbox.ask<int>([] { return 1; }); });
    mailbox.close();
    worker.join();
    EXPECT_EQ(answer, std::nullopt);
    QCoreApplication::processEvents();
}

} // namespace
} // namespace tidecopy
