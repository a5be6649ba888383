#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

// Runs task(i) for every i below a count on a number of worker threads and
// hands each result to `deliver` on the calling thread, in the order of i, as
// soon as it and all before it are done. With one worker, or when no thread
// can be started, the calling thread does the tasks itself, one by one. A
// task must not throw.
template <typename Result>
class OrderedPool {
public:
    using Task = std::function<Result(std::size_t)>;
    using Deliver = std::function<void(std::size_t, Result&)>;

    static void run(std::size_t count, unsigned workers, const Task& task, const Deliver& deliver) {
        OrderedPool pool(count, task);
        std::vector<std::thread> threads;
        for (unsigned w = 0; workers > 1 && w < workers && w < count; ++w) {
            try {
                threads.emplace_back([&pool] { pool.work(); });
            } catch (const std::system_error&) {
                break; // fewer workers than asked for still do every task
            }
        }
        for (std::size_t i = 0; i < count; ++i) {
            Result result = threads.empty() ? task(i) : pool.take(i);
            deliver(i, result);
        }
        for (std::thread& thread : threads) thread.join();
    }

private:
    OrderedPool(std::size_t count, const Task& task) : task(task), done(count) {}

    void work() {
        for (std::size_t i; (i = next++) < done.size();) {
            Result result = task(i);
            {
                std::lock_guard<std::mutex> hold(lock);
                done[i] = std::move(result);
            }
            ready.notify_all();
        }
    }

    Result take(std::size_t i) {
        std::unique_lock<std::mutex> hold(lock);
        ready.wait(hold, [&] { return done[i].has_value(); });
        Result result = std::move(*done[i]);
        done[i].reset();
        return result;
    }

    const Task& task;
    std::vector<std::optional<Result>> done;
    std::atomic<std::size_t> next{0};
    std::mutex lock;
    std::condition_variable ready;
};
