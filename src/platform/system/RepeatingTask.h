#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace platform {

// Calls a function over and over, a given time apart, until stopped: on a thread of its own where the
// system has threads (linux/RepeatingTask.cpp), from the frame loop where it has none (the browser's, whose
// frame loop calls RunRepeatingTasks once a refresh). The function must take whatever lock it needs itself.
class RepeatingTask {
public:
    RepeatingTask();
    ~RepeatingTask();

    RepeatingTask(const RepeatingTask&) = delete;
    RepeatingTask& operator=(const RepeatingTask&) = delete;

    // Starts calling round: the first call comes at once on the thread, or at the frame loop's next turn.
    // False when it cannot be started; a running task is left as it is.
    bool Start(std::function<void()> round, std::chrono::milliseconds interval);
    // Stops the calls and, where they run on a thread, waits for one under way to end. Never called from
    // inside round.
    void Stop();
    bool IsRunning() const;

    class Runner;

private:
    std::unique_ptr<Runner> runner;
};

// Runs the rounds that are due of every task the frame loop drives; nothing where tasks have threads.
void RunRepeatingTasks();

}  // namespace platform
