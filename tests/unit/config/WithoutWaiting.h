// Runs code that must not wait on a FIFO, and ends the wait if it does, so that a test fails
// instead of hanging.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>

// Runs work on a thread of its own. After five seconds at most a writer opens and closes the FIFO,
// which lets a reader stuck in open() go on to end-of-file.
template <typename Work>
auto WithoutWaitingOn(const std::string& fifo, Work work)
{
    auto result = std::async(std::launch::async, work);
    EXPECT_EQ(result.wait_for(std::chrono::seconds(5)), std::future_status::ready) << "waited on " << fifo;
    close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
    return result.get();
}
