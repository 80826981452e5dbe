// Backend choice and the call of the program's own main function.
#include "PlatformMain.h"

#include "Desktop.h"
#include "MessageBoxUi.h"
#include "WinG.h"
#include "platform/host/PlayerFolder.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

void PrintUsage(std::FILE* to, std::span<const TBackendChoice> backends) {
    std::string names;
    for (const TBackendChoice& b : backends)
        names += (names.empty() ? "" : ", ") + b.Name;
    std::fprintf(to,
                 "Usage: otcraps [OPTION]...\n"
                 "A casino craps table and trainer.\n"
                 "\n"
                 "  --headless        run without a window, on an in-memory screen\n"
                 "  --backend=NAME    run on the named backend (%s)\n"
                 "  --script=FILE     play a file of input (with --headless)\n"
                 "  --help            print this help and exit\n"
                 "  --version         print the version and exit\n",
                 names.c_str());
}

} // namespace

int PlatformMain(int argc, char** argv, int (*owlMain)(int, char**),
                 std::span<const TBackendChoice> backends) {
    std::string wanted;
    if (const char* env = std::getenv("OTCRAPS_BACKEND"); env != nullptr)
        wanted = env;
    std::vector<char*> args;
    std::optional<std::string> script;
    bool help = false;
    bool version = false;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i] != nullptr ? argv[i] : "";
        if (i == 0) {
            args.push_back(argv[i]);
        } else if (arg == "--headless") {
            wanted = "headless";
        } else if (arg.rfind("--backend=", 0) == 0) {
            wanted = arg.substr(10);
        } else if (arg.rfind("--script=", 0) == 0) {
            script = arg.substr(9);
        } else if (arg == "--help") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (!arg.empty() && arg[0] == '-') {
            // A mistyped option would otherwise reach the game unnoticed and be ignored.
            std::fprintf(stderr, "otcraps: unknown option \"%s\"\n", arg.c_str());
            PrintUsage(stderr, backends);
            return 2;
        } else {
            args.push_back(argv[i]);
        }
    }
    if (help) {
        PrintUsage(stdout, backends);
        return 0;
    }
    if (version) {
        std::printf("otcraps %s\n", OTCRAPS_VERSION);
        return 0;
    }
    const TBackendChoice* choice = nullptr;
    for (const TBackendChoice& b : backends)
        if (choice == nullptr && (wanted.empty() || b.Name == wanted))
            choice = &b;
    if (choice == nullptr || !choice->Create) {
        std::fprintf(stderr, "otcraps: no backend named \"%s\"\n", wanted.c_str());
        return 1;
    }
    // Refused before a window opens: a script meant for a run without one is never shown.
    if (script && !choice->LoadScript) {
        std::fprintf(stderr, "otcraps: the %s backend plays no script; --headless does\n",
                     choice->Name.c_str());
        return 1;
    }
    std::unique_ptr<TBackend> backend = choice->Create();
    if (!backend) {
        std::fprintf(stderr, "otcraps: the %s backend could not start\n", choice->Name.c_str());
        return 1;
    }
    if (script) {
        std::string error;
        if (!choice->LoadScript(*backend, *script, error)) {
            std::fprintf(stderr, "otcraps: %s\n", error.c_str());
            if (!choice->ScriptUsage.empty())
                std::fprintf(stderr, "otcraps: %s\n", choice->ScriptUsage.c_str());
            return 1;
        }
    }
    // The game's data is read from beside the program or its installed folder; what it writes
    // goes to the player's folder, made when the program first uses it (after the presenter
    // below is in, for the box that says it cannot be).
    const TPlayerFolderMapping folders(argc > 0 ? argv[0] : nullptr);
    RegisterWinGLibrary();
    TDesktop::Get().AttachBackend(backend.get());
    {
        // On a real screen boxes are drawn and answered by the user; the headless backend
        // keeps the console presenter (or whatever recorder a test installed).
        std::optional<TMessageBoxUi> boxes;
        if (choice->Name != "headless")
            boxes.emplace();
        args.push_back(nullptr);
        const int code = owlMain(static_cast<int>(args.size()) - 1, args.data());
        TDesktop::Get().AttachBackend(nullptr);
        return code;
    }
}

namespace {

std::vector<TBackendChoice>& Registered() {
    static std::vector<TBackendChoice> registered;
    return registered;
}

} // namespace

void RegisterBackend(TBackendChoice choice) {
    std::vector<TBackendChoice>& list = Registered();
    for (TBackendChoice& b : list) {
        if (b.Name == choice.Name) {
            b = std::move(choice);
            return;
        }
    }
    list.push_back(std::move(choice));
}

std::span<const TBackendChoice> GetRegisteredBackends() {
    return Registered();
}

void ClearRegisteredBackends() {
    Registered().clear();
}

int PlatformMain(int argc, char** argv, int (*owlMain)(int, char**)) {
    return PlatformMain(argc, argv, owlMain, GetRegisteredBackends());
}
