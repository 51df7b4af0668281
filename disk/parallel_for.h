#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace kelvane {

// Runs `each(i)` for every i below `count` on `jobs` threads, this one among them, each thread
// taking the next index left; no thread takes another once `stopped()` holds. Returns when all
// have finished.
template<typename Each, typename Stopped>
void parallelFor(std::size_t count, int jobs, Each each, Stopped stopped)
{
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < count && !stopped(); i = next++)
            each(i);
    };
    std::vector<std::jthread> workers;
    const auto extra = static_cast<std::size_t>(std::max(jobs, 1) - 1);
    for (std::size_t i = 0; i < std::min(extra, count); ++i)
        workers.emplace_back(work);
    work();
}

} // namespace kelvane
