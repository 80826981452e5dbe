// Runs the real program as a child process: its exit code and what it wrote to standard error.
#pragma once

#include <cstring>
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
    std::vector<std::string> variables;
    for (char** v = environ; *v != nullptr; ++v)
        if (std::strncmp(*v, "OTCRAPS_HOME=", 13) != 0 &&
            std::strncmp(*v, "OTCRAPS_HEADLESS_DATE=", 22) != 0)
            variables.emplace_back(*v);
    variables.push_back("OTCRAPS_HOME=" + home);
    variables.push_back("OTCRAPS_HEADLESS_DATE=0");
    std::vector<char*> envp;
    for (std::string& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    int fds[2];
    if (pipe(fds) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    args.insert(args.begin(), path);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const bool spawned =
        posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    char buffer[4096];
    for (ssize_t n; spawned && (n = read(fds[0], buffer, sizeof(buffer))) > 0;)
        run.Errors.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    if (spawned && waitpid(pid, &status, 0) == pid)
        run.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    return run;
}
