#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

// Runs task(i) for every i below a count on worker threads, then finish() on
// each result on finishing threads, and hands each result to `deliver` on the
// calling thread, in the order of i, as soon as it and all before it are done.
// Finishing is for waiting, as on a disk: the workers go on meanwhile, and the
// waits of several results overlap. The workers begin no task more than
// `workers + Ahead` past the next result to deliver, so that few results wait.
// With a single task, or when no thread can be started, the calling thread
// does it all itself, one by one; with no finishing thread, the workers finish
// their own results. Neither task nor finish may throw.
template <typename Result>
class OrderedPool {
public:
    using Task = std::function<Result(std::size_t)>;
    using Finish = std::function<void(Result&)>;
    using Deliver = std::function<void(std::size_t, Result&)>;

    static constexpr std::size_t Ahead = 16;

    static void run(std::size_t count, unsigned workers, unsigned finishers, const Task& task,
                    const Finish& finish, const Deliver& deliver) {
        OrderedPool pool(count, workers, task, finish);
        std::vector<std::thread> threads;
        if (count > 1 && pool.start(threads, workers, [&pool] { pool.work(); })) {
            const bool finishing = pool.start(threads, finishers, [&pool] { pool.finishAll(); });
            pool.open(finishing);
        }
        for (std::size_t i = 0; i < count; ++i) {
            std::optional<Result> result;
            if (threads.empty()) {
                result.emplace(task(i));
                finish(*result);
            } else {
                result.emplace(pool.take(i));
            }
            deliver(i, *result);
        }
        for (std::thread& thread : threads) thread.join();
    }

private:
    OrderedPool(std::size_t count, unsigned workers, const Task& task, const Finish& finish)
        : task(task), finish(finish), results(count), finished(count, false),
          window(workers + Ahead) {}

    // Starts up to `wanted` threads running `body`; false when none started.
    template <class Body>
    bool start(std::vector<std::thread>& threads, unsigned wanted, const Body& body) {
        const std::size_t before = threads.size();
        for (unsigned t = 0; t < wanted && t < results.size(); ++t) {
            try {
                threads.emplace_back(body);
            } catch (const std::system_error&) {
                break; // fewer threads than asked for still do every task
            }
        }
        return threads.size() > before;
    }

    // Lets the workers begin, once it is known who finishes.
    void open(bool withFinishers) {
        {
            std::lock_guard<std::mutex> hold(lock);
            finishing = withFinishers;
            opened = true;
        }
        room.notify_all();
    }

    void work() {
        for (std::size_t i; (i = next++) < results.size();) {
            {
                std::unique_lock<std::mutex> hold(lock);
                room.wait(hold, [&] { return opened && i < taken + window; });
            }
            Result result = task(i);
            if (!finishing) finish(result);
            {
                std::lock_guard<std::mutex> hold(lock);
                results[i].emplace(std::move(result));
                if (finishing)
                    toFinish.push_back(i);
                else
                    finished[i] = true;
            }
            (finishing ? queued : ready).notify_one();
        }
    }

    void finishAll() {
        for (;;) {
            std::unique_lock<std::mutex> hold(lock);
            queued.wait(hold, [&] { return !toFinish.empty() || dequeued == results.size(); });
            if (toFinish.empty()) {
                hold.unlock();
                queued.notify_all(); // the others end too
                return;
            }
            const std::size_t i = toFinish.front();
            toFinish.pop_front();
            ++dequeued;
            Result& result = *results[i]; // stays in place: no other thread moves it
            hold.unlock();
            finish(result);
            hold.lock();
            finished[i] = true;
            hold.unlock();
            ready.notify_one();
        }
    }

    Result take(std::size_t i) {
        std::unique_lock<std::mutex> hold(lock);
        ready.wait(hold, [&] { return finished[i]; });
        Result result = std::move(*results[i]);
        results[i].reset();
        taken = i + 1;
        hold.unlock();
        room.notify_all();
        return result;
    }

    const Task& task;
    const Finish& finish;
    std::vector<std::optional<Result>> results;
    std::vector<bool> finished;  // results[i] is ready to deliver
    std::deque<std::size_t> toFinish;
    const std::size_t window;    // the tasks begun and not yet taken, at most
    std::size_t taken = 0;       // the results taken so far
    std::size_t dequeued = 0;    // the results a finishing thread has taken up
    bool opened = false;         // the workers may begin
    bool finishing = false;      // finishing threads run
    std::atomic<std::size_t> next{0};
    std::mutex lock;
    std::condition_variable room;   // for the workers: taken or opened moved on
    std::condition_variable queued; // for the finishers: toFinish grew, or the end
    std::condition_variable ready;  // for the calling thread: a result finished
};
