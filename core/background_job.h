#pragma once

#include "file_system.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include <QtGlobal>

namespace kelvane {

// Work over many files on a thread of its own, handing back what it has made so far whenever
// the interface asks: the interface polls, so it is never flooded with one message per file and
// never waits for the work. Destroying the job cancels it and waits for it to stop.
template<typename Row>
class BackgroundJob
{
public:
    BackgroundJob(const BackgroundJob &) = delete;
    BackgroundJob &operator=(const BackgroundJob &) = delete;
    virtual ~BackgroundJob() { cancel(); }

    // The work stops before its next file; what is done stays done.
    void cancel() { cancelled_ = true; }
    [[nodiscard]] bool cancelled() const { return cancelled_; }
    // Everything made since the last call, in the order it was made.
    [[nodiscard]] std::vector<Row> take()
    {
        const std::lock_guard lock(mutex_);
        return std::exchange(made_, {});
    }
    // How many files the work has in all (-1 until it knows) and how many it has finished.
    [[nodiscard]] qsizetype total() const { return total_; }
    [[nodiscard]] qsizetype done() const { return done_; }
    // The work has returned: a last take() gets all that is left.
    [[nodiscard]] bool finished() const { return finished_; }
    // Waits at most `most` for the work to return: a poller that has nothing else to do is then
    // not kept waiting for its next look.
    void waitForEnd(std::chrono::milliseconds most)
    {
        std::unique_lock lock(mutex_);
        ended_.wait_for(lock, most, [this] { return finished_.load(); });
    }

protected:
    BackgroundJob() = default;
    // Called once by the subclass's constructor, after its own members are set.
    void start(std::function<void()> work)
    {
        thread_ = std::jthread([this, work = std::move(work)] {
            // Reading thousands of files keeps every core busy: the window goes first.
            fs::yieldToTheWindow();
            work();
            {
                const std::lock_guard lock(mutex_);
                finished_ = true;
            }
            ended_.notify_all();
        });
    }
    void setTotal(qsizetype total) { total_ = total; }
    void deliver(Row row)
    {
        const std::lock_guard lock(mutex_);
        made_.push_back(std::move(row));
        ++done_;
    }
    // Waits for the work to end; a subclass's destructor calls it before its members go.
    void join()
    {
        cancel();
        if (thread_.joinable())
            thread_.join();
    }

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> finished_{false};
    std::atomic<qsizetype> total_{-1};
    std::atomic<qsizetype> done_{0};
    std::mutex mutex_;
    std::condition_variable ended_;
    std::vector<Row> made_;
    std::jthread thread_;
};

} // namespace kelvane
