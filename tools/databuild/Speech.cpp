// English speech through the espeak-ng engine, each line spoken by a fresh engine in a child
// process and read back through a pipe.
#include "tools/databuild/Speech.h"

#include "tools/databuild/BuildError.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include <sys/wait.h>
#include <unistd.h>

// The engine carries state from one utterance to the next (its pitch flutter, the tail of the
// last clause) and cannot be restarted in-process, so the same text spoken second would not give
// the same samples as spoken first. A child process starts the engine afresh for every line: the
// data build stays byte for byte reproducible whatever order, or threads, the lines come in.

namespace {

constexpr unsigned SPEECH_SEED = 27;

int Collect(short* wave, int count, espeak_EVENT* events) {
    if (wave != nullptr && count > 0 && events != nullptr && events->user_data != nullptr) {
        auto* out = static_cast<TSamples*>(events->user_data);
        out->insert(out->end(), wave, wave + count);
    }
    return 0; // go on
}

bool WriteAll(int fd, const void* data, size_t bytes) {
    const char* at = static_cast<const char*>(data);
    while (bytes > 0) {
        const ssize_t n = write(fd, at, bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        bytes -= static_cast<size_t>(n);
    }
    return true;
}

// In the child: speak, write the engine's rate then its samples, and leave without unwinding.
[[noreturn]] void SpeakAndExit(int fd, const std::string& text, const TVoice& voice) {
    const int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0)
        _exit(2);
    espeak_SetSynthCallback(Collect);
    const std::string name = voice.Variant.empty() ? "en-us" : "en-us+" + voice.Variant;
    if (espeak_SetVoiceByName(name.c_str()) != EE_OK)
        _exit(3);
    espeak_SetParameter(espeakRATE, std::clamp(voice.Rate, 80, 450), 0);
    espeak_SetParameter(espeakPITCH, std::clamp(voice.Pitch, 0, 100), 0);
    espeak_SetParameter(espeakRANGE, std::clamp(voice.Range, 0, 100), 0);
    espeak_SetParameter(espeakVOLUME, 100, 0);
    // Breath and frication noise come from the C library's generator.
    std::srand(SPEECH_SEED);
    TSamples raw;
    if (espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                     &raw) != EE_OK)
        _exit(4);
    const bool sent =
        WriteAll(fd, &rate, sizeof rate) && WriteAll(fd, raw.data(), raw.size() * sizeof(i16));
    _exit(sent ? 0 : 5);
}

TSamples Synthesise(const std::string& text, const TVoice& voice) {
    int fds[2];
    if (pipe(fds) != 0)
        throw TBuildError("speech", "no pipe to the speech engine");
    const pid_t child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        throw TBuildError("speech", "the speech engine could not be started");
    }
    if (child == 0) {
        close(fds[0]);
        SpeakAndExit(fds[1], text, voice);
    }
    close(fds[1]);
    std::vector<char> bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t n = read(fds[0], chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    close(fds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || bytes.size() < sizeof(int))
        throw TBuildError("speech", "the speech engine failed on \"" + text +
                                        "\" (is espeak-ng-data installed?)");
    int rate = 0;
    std::copy_n(bytes.data(), sizeof rate, reinterpret_cast<char*>(&rate));
    TSamples raw((bytes.size() - sizeof rate) / sizeof(i16));
    std::copy_n(bytes.data() + sizeof rate, raw.size() * sizeof(i16),
                reinterpret_cast<char*>(raw.data()));
    if (rate <= 0)
        throw TBuildError("speech", "the speech engine gave no sample rate");
    return Resample(raw, static_cast<u32>(rate));
}

} // namespace

TSamples SpeakLine(const std::string& text, const TVoice& voice) {
    const TSamples line = Trim(Synthesise(text, voice), 200);
    if (line.empty())
        throw TBuildError("speech", "nothing to say in \"" + text + "\"");
    return Normalise(line, PEAK_LEVEL);
}
