// English speech from the espeak-ng engine, run in a helper process that the build starts once.
#include "tools/databuild/sound/Speech.h"

#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/sound/speech/SpeechWire.h"

#include <mutex>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

// The helper keeps the engine out of this process: the engine's state would carry from one line
// to the next, and forking this (large) process per line would be slow.

namespace {

using namespace speechwire;

class TSpeechHelper {
public:
    ~TSpeechHelper() { Stop(); }

    // The helper's reply, started on first use (and again after it died).
    void Ask(const TRequest& request, std::int32_t& status, std::int32_t& rate,
             std::vector<std::int16_t>& samples) {
        if (Socket < 0)
            Start();
        if (!SendRequest(Socket, request) || !ReceiveReply(Socket, status, rate, samples)) {
            Stop();
            throw TBuildError("speech",
                              "the speech helper stopped answering on \"" + request.Text + "\"");
        }
    }

private:
    void Start() {
        int sockets[2];
        if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
            throw TBuildError("speech", "no socket to the speech helper");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, sockets[1], 0);
        char path[] = OTCRAPS_SPEECH_HELPER;
        char* argv[] = {path, nullptr};
        const bool spawned = posix_spawn(&Child, path, &actions, nullptr, argv, environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        close(sockets[1]);
        if (!spawned) {
            close(sockets[0]);
            throw TBuildError("speech",
                              std::string("the speech helper ") + path + " could not be started");
        }
        Socket = sockets[0];
    }

    void Stop() {
        if (Socket >= 0)
            close(Socket); // the helper reads the end of its input and leaves
        Socket = -1;
        if (Child > 0) {
            int status = 0;
            while (waitpid(Child, &status, 0) < 0 && errno == EINTR) {
            }
        }
        Child = -1;
    }

    int Socket = -1;
    pid_t Child = -1;
};

std::mutex HelperLock;

} // namespace

TSamples SpeakLine(const std::string& text, const TVoice& voice) {
    if (text.size() > MAX_TEXT || voice.Variant.size() > MAX_TEXT)
        throw TBuildError("speech", "a line of " + std::to_string(text.size()) +
                                        " bytes is longer than any dealer says");
    std::int32_t status = 0, rate = 0;
    TSamples raw;
    {
        const std::lock_guard<std::mutex> hold(HelperLock);
        static TSpeechHelper helper;
        helper.Ask({text, voice.Variant, voice.Pitch, voice.Range, voice.Rate}, status, rate, raw);
    }
    if (status != 0 || rate <= 0)
        throw TBuildError("speech", status == 1
                                        ? "no English voice variant \"" + voice.Variant + "\""
                                        : "the speech engine failed on \"" + text +
                                              "\" (is espeak-ng-data installed?)");
    const TSamples line = Trim(Resample(raw, static_cast<u32>(rate)), 200);
    if (line.empty())
        throw TBuildError("speech", "nothing to say in \"" + text + "\"");
    return Normalise(line, VOICE_PEAK);
}
