// Test support: a call that must not wait on a FIFO, run with a bound, so that a reader that
// does wait fails its test instead of holding it for ever.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <unistd.h>

// Runs the call on a thread of its own and true when it returns by itself. Still running after
// the bound, it waits on the FIFO: the FIFO is opened for writing and closed again, which ends
// an open or a read waiting there, until the call returns; false then. A call that waits on
// something else ends the process, as a test that hangs would have to be ended.
inline bool ReturnsWithoutWaitingOn(const std::string& fifo, const std::function<void()>& call) {
    using namespace std::chrono_literals;
    std::packaged_task<void()> task(call);
    std::future<void> done = task.get_future();
    std::thread runner(std::move(task));
    bool waited = false;
    if (done.wait_for(10s) != std::future_status::ready) {
        waited = true;
        for (int tries = 0; done.wait_for(50ms) != std::future_status::ready; ++tries) {
            if (tries == 200) {
                std::fprintf(stderr, "a call kept waiting on %s\n", fifo.c_str());
                std::abort();
            }
            const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                ::close(fd);
        }
    }
    runner.join();
    done.get();
    return !waited;
}
