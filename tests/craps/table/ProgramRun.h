// Runs the real program as a child process: its exit code and what it wrote to standard error.
#pragma once

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

struct TProgramRun {
    int Code = -1000;
    std::string Errors;
};

// A started child with its standard error on a pipe; no pid when it could not start.
struct TChildProgram {
    pid_t Pid = 0;
    int Errors = -1;
    bool Started() const { return Pid > 0; }
};

// Starts the program with args. Its environment is this process's, with each "NAME=value" of
// set in place of that variable and each name in dropped taken out.
inline TChildProgram SpawnProgram(const std::string& path, std::vector<std::string> args,
                                  const std::vector<std::string>& set,
                                  const std::vector<std::string>& dropped = {}) {
    TChildProgram child;
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
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errs[1], 2);
    args.insert(args.begin(), path);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0)
        child.Pid = pid;
    posix_spawn_file_actions_destroy(&actions);
    close(errs[1]);
    child.Errors = errs[0];
    return child;
}

// Reads what is left of the child's standard error and waits for its end: its exit code, or
// minus the signal that ended it; -1000 for a child that never started.
inline int FinishProgram(TChildProgram& child, std::string& errors) {
    char buffer[4096];
    for (ssize_t n; child.Started() && (n = read(child.Errors, buffer, sizeof buffer)) > 0;)
        errors.append(buffer, static_cast<size_t>(n));
    if (child.Errors >= 0)
        close(child.Errors);
    child.Errors = -1;
    int status = 0;
    if (!child.Started() || waitpid(child.Pid, &status, 0) != child.Pid)
        return -1000;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// Reads the child's standard error and the shot the script writes into the FIFO shot (opened
// without waiting) until the shot has come whole, its writer come and gone, or the child has
// ended; true with the shot's bytes in png when it came.
inline bool AwaitShot(TChildProgram& child, int shot, std::string& errors, std::string& png) {
    char buffer[4096];
    bool errorsOpen = child.Started();
    while (errorsOpen) {
        pollfd fds[2] = {{shot, POLLIN, 0}, {child.Errors, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0)
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
                              std::string home = "") {
    TProgramRun run;
    if (home.empty()) {
        const size_t slash = path.rfind('/');
        home = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    }
    TChildProgram child =
        SpawnProgram(path, std::move(args), {"OTCRAPS_HOME=" + home, "OTCRAPS_HEADLESS_DATE=0"});
    run.Code = FinishProgram(child, run.Errors);
    return run;
}
