// Runs the real program as a child process: its exit code and what it wrote to standard error,
// each wait bounded by a deadline past which the program is killed and the test fails.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

struct TProgramRun {
    int Code = -1000;
    std::string Errors;
};

// How long a run may take from its start before it is taken for hung. Under the sanitizers,
// six at once on eight cores, the slowest run (clicks over the whole layout) takes 4 s and a
// dialog opened and closed 3 s; two cores of CI's take up to three times that. A hang is
// found in a minute, not in CTest's five.
inline constexpr std::chrono::seconds ProgramRunLimit{60};

// A started child with its standard error on a pipe; no pid when it could not start. The
// child leads a process group of its own, so that what it starts is ended with it.
struct TChildProgram {
    pid_t Pid = 0;
    int Errors = -1;
    // The program, and when waiting on it is given up.
    std::string Path;
    // A child started by hand rather than through SpawnProgram is still given the usual time.
    std::chrono::seconds Limit{ProgramRunLimit};
    std::chrono::steady_clock::time_point Deadline = std::chrono::steady_clock::now() + Limit;
    // Set once its end has been taken (waitpid), as Status: -1 when it could not be.
    bool Reaped = false;
    int Status = 0;
    bool Started() const { return Pid > 0; }
};

// Starts the program with args. Its environment is this process's, with each "NAME=value" of
// set in place of that variable and each name in dropped taken out. Waiting on it is given up
// limit after its start. With errorsUnread its standard error is a pipe whose reading end is
// closed before it starts, and SIGPIPE is at its default action there whatever this process
// does with it.
inline TChildProgram SpawnProgram(const std::string& path, std::vector<std::string> args,
                                  const std::vector<std::string>& set,
                                  const std::vector<std::string>& dropped = {},
                                  std::chrono::seconds limit = ProgramRunLimit,
                                  bool errorsUnread = false) {
    TChildProgram child;
    child.Path = path;
    child.Limit = limit;
    child.Deadline = std::chrono::steady_clock::now() + limit;
    auto named = [](const char* variable, const std::string& name) {
        return std::strncmp(variable, name.c_str(), name.size()) == 0 &&
               variable[name.size()] == '=';
    };
    std::vector<std::string> variables;
    for (char** v = environ; *v != nullptr; ++v) {
        bool keep = true;
        for (const std::string& s : set)
            keep = keep && !named(*v, s.substr(0, s.find('=')));
        for (const std::string& d : dropped)
            keep = keep && !named(*v, d);
        if (keep)
            variables.emplace_back(*v);
    }
    variables.insert(variables.end(), set.begin(), set.end());
    std::vector<char*> envp;
    for (std::string& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    int errs[2];
    if (pipe2(errs, O_CLOEXEC) != 0)
        return child;
    if (errorsUnread) {
        close(errs[0]);
        errs[0] = -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errs[1], 2);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    if (errorsUnread)
        sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&attributes, 0);
    args.insert(args.begin(), path);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), &actions, &attributes, argv.data(), envp.data()) == 0)
        child.Pid = pid;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(errs[1]);
    child.Errors = errs[0];
    return child;
}

// Milliseconds left before the child's deadline, for poll: 0 once it has passed.
inline int ProgramTimeLeft(const TChildProgram& child) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        child.Deadline - std::chrono::steady_clock::now());
    return left.count() <= 0 ? 0 : static_cast<int>(std::min<long long>(left.count(), INT_MAX));
}

// The running test, as its failures name it, or a word that there is none (a suite's set-up).
inline std::string RunningTestName() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (test == nullptr)
        return "(outside any test)";
    return std::string(test->test_suite_name()) + "." + test->name();
}

// Past its deadline: the child and its process group are killed and its end taken, and the
// test fails naming itself and what was waited for.
inline void EndOverdueProgram(TChildProgram& child, const std::string& waitedFor) {
    kill(-child.Pid, SIGKILL);
    kill(child.Pid, SIGKILL);
    int status = 0;
    while (waitpid(child.Pid, &status, 0) < 0 && errno == EINTR) {
    }
    child.Reaped = true;
    child.Status = status;
    ADD_FAILURE() << RunningTestName() << ": " << child.Path << " was waited on for " << waitedFor
                  << " for " << child.Limit.count()
                  << " s, which a run that works takes a fraction of; it was killed";
}

// Waits for the child's end until its deadline; false when it was killed there.
inline bool AwaitProgramEnd(TChildProgram& child, const std::string& waitedFor) {
    if (child.Reaped)
        return true;
    // A pidfd turns the end into something poll can wait for with a bound.
    const int ended = static_cast<int>(syscall(SYS_pidfd_open, child.Pid, 0));
    if (ended >= 0) {
        pollfd fd = {ended, POLLIN, 0};
        int ready = 0;
        while ((ready = poll(&fd, 1, ProgramTimeLeft(child))) < 0 && errno == EINTR) {
        }
        close(ended);
        if (ready == 0) {
            EndOverdueProgram(child, waitedFor);
            return false;
        }
    }
    int status = 0;
    pid_t reaped = 0;
    while ((reaped = waitpid(child.Pid, &status, 0)) < 0 && errno == EINTR) {
    }
    child.Reaped = true;
    child.Status = reaped == child.Pid ? status : -1;
    return true;
}

// Reads what is left of the child's standard error and waits for its end: its exit code, or
// minus the signal that ended it; -1000 for a child that never started. Past the child's
// deadline it is killed, and the test fails.
inline int FinishProgram(TChildProgram& child, std::string& errors) {
    char buffer[4096];
    // Once the child is gone (or killed) only what the pipe holds is read: one pipe's worth.
    int readsLeftOnceEnded = 16;
    for (bool open = child.Started() && child.Errors >= 0; open;) {
        if (!child.Reaped && ProgramTimeLeft(child) == 0)
            EndOverdueProgram(child, "its end, its standard error still open");
        if (child.Reaped && readsLeftOnceEnded-- == 0)
            break;
        pollfd fd = {child.Errors, POLLIN, 0};
        const int ready = poll(&fd, 1, child.Reaped ? 0 : ProgramTimeLeft(child));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || (ready == 0 && child.Reaped))
            break;
        if (ready == 0)
            continue;
        const ssize_t n = read(child.Errors, buffer, sizeof buffer);
        if (n > 0)
            errors.append(buffer, static_cast<size_t>(n));
        open = n > 0 || (n < 0 && errno == EINTR);
    }
    if (child.Errors >= 0)
        close(child.Errors);
    child.Errors = -1;
    if (!child.Started())
        return -1000;
    AwaitProgramEnd(child, "its end, its standard error closed");
    if (child.Status < 0)
        return -1000;
    return WIFEXITED(child.Status) ? WEXITSTATUS(child.Status) : -WTERMSIG(child.Status);
}

// Reads the child's standard error and the shot the script writes into the FIFO shot (opened
// without waiting) until the shot has come whole, its writer come and gone, or the child has
// ended; true with the shot's bytes in png when it came. Past the child's deadline it is
// killed, and the test fails.
inline bool AwaitShot(TChildProgram& child, int shot, std::string& errors, std::string& png) {
    char buffer[4096];
    bool errorsOpen = child.Started() && !child.Reaped;
    while (errorsOpen) {
        if (ProgramTimeLeft(child) == 0) {
            EndOverdueProgram(child, "a shot through its pipe");
            return false;
        }
        pollfd fds[2] = {{shot, POLLIN, 0}, {child.Errors, POLLIN, 0}};
        const int ready = poll(fds, 2, ProgramTimeLeft(child));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            return false;
        if (ready == 0)
            continue;
        if ((fds[0].revents & (POLLIN | POLLHUP)) != 0) {
            const ssize_t n = read(shot, buffer, sizeof buffer);
            if (n > 0)
                png.append(buffer, static_cast<size_t>(n));
            if (n == 0 && !png.empty())
                return true;
        }
        if ((fds[1].revents & (POLLIN | POLLHUP)) != 0) {
            const ssize_t n = read(child.Errors, buffer, sizeof buffer);
            if (n > 0)
                errors.append(buffer, static_cast<size_t>(n));
            errorsOpen = n > 0 || (n < 0 && errno == EINTR);
        }
    }
    return false;
}

// The run's player's folder is home, or else the folder the program was put in: a test's run
// never reaches the real player's files, and finds its own beside the program it set up. Its
// date is fixed, so that it rolls the same dice and plays the same skits every time.
inline TProgramRun RunProgram(const std::string& path, std::vector<std::string> args,
                              std::string home = "", std::chrono::seconds limit = ProgramRunLimit) {
    TProgramRun run;
    if (home.empty()) {
        const size_t slash = path.rfind('/');
        home = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    }
    TChildProgram child = SpawnProgram(
        path, std::move(args), {"OTCRAPS_HOME=" + home, "OTCRAPS_HEADLESS_DATE=0"}, {}, limit);
    run.Code = FinishProgram(child, run.Errors);
    return run;
}
