// Backend choice and the call of the program's own main function.
#include "PlatformMain.h"

#include "platform/framework/dialogs/MessageBoxUi.h"
#include "platform/framework/draw/WinG.h"
#include "platform/framework/window/Desktop.h"
#include "platform/host/Log.h"
#include "platform/host/PlayerFolder.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// Without the last line's newline, so that stdout and the error output each end it their way.
std::string UsageText(std::span<const TBackendChoice> backends) {
    std::string names;
    for (const TBackendChoice& b : backends)
        names += (names.empty() ? "" : ", ") + b.Name;
    return "Usage: otcraps [OPTION]...\n"
           "A casino craps table and trainer.\n"
           "\n"
           "  --headless        run without a window, on an in-memory screen\n"
           "  --backend=NAME    run on the named backend (" +
           names +
           ")\n"
           "  --script=FILE     play a file of input (with --headless)\n"
           "  -h, --help        print this help and exit\n"
           "  --version         print the version and exit";
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
        } else if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (!arg.empty() && arg[0] == '-') {
            // A mistyped option would otherwise reach the game unnoticed and be ignored.
            LogError("unknown option \"" + arg + "\"");
            LogLine(UsageText(backends));
            return 2;
        } else {
            args.push_back(argv[i]);
        }
    }
    if (help) {
        std::printf("%s\n", UsageText(backends).c_str());
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
        LogError("no backend named \"" + wanted + "\"");
        return 1;
    }
    // Refused before a window opens: a script meant for a run without one is never shown.
    if (script && !choice->LoadScript) {
        LogError("the " + choice->Name + " backend plays no script; --headless does");
        return 1;
    }
    // The game's data is read from beside the program or its installed folder; what it writes
    // goes to the player's folder, made when the program first uses it. Mapped before the
    // backend is made, so that the backend is gone before the mapping: whatever it writes at
    // its end lands in the player's folder, never beside the program.
    const TPlayerFolderMapping folders(argc > 0 ? argv[0] : nullptr);
    std::unique_ptr<TBackend> backend = choice->Create();
    if (!backend) {
        LogError("the " + choice->Name + " backend could not start");
        return 1;
    }
    if (script) {
        std::string error;
        if (!choice->LoadScript(*backend, *script, error)) {
            LogError(error);
            if (!choice->ScriptUsage.empty())
                LogError(choice->ScriptUsage);
            return 1;
        }
    }
    RegisterWinGLibrary();
    {
        // On a real screen boxes are drawn and answered by the user, from the attaching on:
        // what the backend reads then may find the player's folder unusable, which a box
        // says. The headless backend keeps the console presenter (or whatever recorder a
        // test installed).
        std::optional<TMessageBoxUi> boxes;
        if (choice->Name != "headless")
            boxes.emplace();
        TDesktop::Get().AttachBackend(backend.get());
        args.push_back(nullptr);
        const int code = owlMain(static_cast<int>(args.size()) - 1, args.data());
        if (choice->Finish)
            choice->Finish(*backend);
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
