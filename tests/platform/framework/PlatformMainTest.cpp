// The program's command line: help, version and refused options, all answered before any
// backend starts.
#include "platform/framework/PlatformMain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TRun {
    int Code = -1;
    std::string Out;
    std::string Err;
};

int BackendsMade = 0;
int ProgramRuns = 0;

int CountingMain(int, char**) {
    ++ProgramRuns;
    return 0;
}

// Neither backend can start: a run that gets as far as making one ends with 1.
TRun Start(std::vector<std::string> words) {
    const TBackendChoice choices[] = {
        {"sdl",
         [] {
             ++BackendsMade;
             return std::unique_ptr<TBackend>();
         }},
        {"headless",
         [] {
             ++BackendsMade;
             return std::unique_ptr<TBackend>();
         }},
    };
    words.insert(words.begin(), "otcraps");
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    TRun run;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    run.Code = PlatformMain(static_cast<int>(words.size()), argv.data(), CountingMain, choices);
    run.Err = testing::internal::GetCapturedStderr();
    run.Out = testing::internal::GetCapturedStdout();
    return run;
}

void ExpectUsage(const std::string& text) {
    for (const char* option : {"Usage: otcraps [OPTION]...\n", "--headless", "--backend=NAME",
                               "(sdl, headless)", "--script=FILE", "--help", "--version"})
        EXPECT_NE(text.find(option), std::string::npos) << option << " missing from\n" << text;
}

TEST(PlatformMainTest, HelpAndVersionGoToStdoutAndEndTheRunBeforeAnyBackend) {
    BackendsMade = ProgramRuns = 0;
    const TRun help = Start({"--help"});
    EXPECT_EQ(help.Code, 0);
    EXPECT_EQ(help.Out.rfind("Usage: ", 0), 0U) << help.Out;
    ExpectUsage(help.Out);
    EXPECT_EQ(help.Err, "");

    const TRun version = Start({"--headless", "--version"});
    EXPECT_EQ(version.Code, 0);
    EXPECT_EQ(version.Out, std::string("otcraps ") + OTCRAPS_VERSION + "\n");
    EXPECT_EQ(version.Err, "");

    // Help wins over version, whichever comes first.
    const TRun both = Start({"--version", "--help"});
    EXPECT_EQ(both.Code, 0);
    ExpectUsage(both.Out);

    // The short spelling every other program takes.
    const TRun shortHelp = Start({"-h"});
    EXPECT_EQ(shortHelp.Code, 0);
    EXPECT_EQ(shortHelp.Out, help.Out);
    EXPECT_EQ(shortHelp.Err, "");

    EXPECT_EQ(BackendsMade, 0);
    EXPECT_EQ(ProgramRuns, 0);
}

TEST(PlatformMainTest, AnUnknownOptionIsRefusedWithTheUsageOnStderr) {
    BackendsMade = ProgramRuns = 0;
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {"--headles"},
             {"-hh"},
             {"-"},
             {"--"},
             {"--script"},
             {"--backend", "sdl"},
             {"--HELP"},
             // A refused option refuses the whole line, help included.
             {"--help", "--fullscreen"},
             {"--headless", "x", "-v"},
         }) {
        const TRun run = Start(words);
        const std::string& bad = words.back() == "sdl" ? words.front() : words.back();
        EXPECT_EQ(run.Code, 2) << bad;
        EXPECT_EQ(run.Out, "") << bad;
        EXPECT_EQ(run.Err.rfind("otcraps: unknown option \"" + bad + "\"\n", 0), 0U) << run.Err;
        ExpectUsage(run.Err);
    }
    EXPECT_EQ(BackendsMade, 0);
    EXPECT_EQ(ProgramRuns, 0);

    // Words that are no options still pass: the run goes on to its backend.
    const TRun plain = Start({"x", "--headless"});
    EXPECT_EQ(plain.Code, 1);
    EXPECT_EQ(BackendsMade, 1);
    EXPECT_EQ(plain.Out, "");
}

} // namespace
