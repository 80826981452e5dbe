// The speech helper: starts the espeak-ng engine once, then speaks each request on stdin (a
// stream socket) in a forked copy of the freshly started engine and replies on the same socket.
#include "tools/databuild/sound/speech/SpeechWire.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstdlib>

#include <sys/wait.h>

// The engine carries state from one utterance to the next (its pitch flutter, the tail of the
// last clause) and cannot be restarted in one process. Each line is spoken by a child forked
// from the engine as it stood before its first word, so a line gives the same samples whatever
// was said before it.

namespace {

using namespace speechwire;

constexpr unsigned SpeechSeed = 27;
constexpr int Socket = 0;

enum : std::int32_t { Spoken = 0, NoVoice = 1, Failed = 2 };

int Collect(short* wave, int count, espeak_EVENT* events) {
    if (wave != nullptr && count > 0 && events != nullptr && events->user_data != nullptr) {
        auto* out = static_cast<std::vector<std::int16_t>*>(events->user_data);
        out->insert(out->end(), wave, wave + count);
    }
    return 0; // go on
}

// The engine quietly speaks in its default voice when asked for a variant it does not have: a
// misspelt variant would pass unnoticed.
bool KnownVariant(const std::string& variant) {
    if (variant.empty())
        return true;
    if (variant.find_first_of("/\\") != std::string::npos || variant.front() == '.')
        return false;
    const char* data = nullptr;
    espeak_Info(&data);
    return data != nullptr &&
           access((std::string(data) + "/voices/!v/" + variant).c_str(), R_OK) == 0;
}

[[noreturn]] void SpeakAndExit(const TRequest& r, int rate) {
    if (!KnownVariant(r.Variant))
        _exit(NoVoice);
    const std::string name = r.Variant.empty() ? "en-us" : "en-us+" + r.Variant;
    if (espeak_SetVoiceByName(name.c_str()) != EE_OK)
        _exit(NoVoice);
    espeak_SetParameter(espeakRATE, std::clamp(r.Rate, 80, 450), 0);
    espeak_SetParameter(espeakPITCH, std::clamp(r.Pitch, 0, 100), 0);
    espeak_SetParameter(espeakRANGE, std::clamp(r.Range, 0, 100), 0);
    espeak_SetParameter(espeakVOLUME, 100, 0);
    // Breath and frication noise come from the C library's generator.
    std::srand(SpeechSeed);
    std::vector<std::int16_t> samples;
    if (espeak_Synth(r.Text.c_str(), r.Text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                     nullptr, &samples) != EE_OK)
        _exit(Failed);
    _exit(SendReply(Socket, Spoken, rate, samples) ? 0 : Failed);
}

} // namespace

int main() {
    const int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    espeak_SetSynthCallback(Collect);
    // The language loaded once here rather than in every child.
    espeak_SetVoiceByName("en-us");
    TRequest request;
    while (ReceiveRequest(Socket, request)) {
        if (rate <= 0) {
            if (!SendReply(Socket, Failed, 0, {}))
                return 1;
            continue;
        }
        const pid_t child = fork();
        if (child == 0)
            SpeakAndExit(request, rate);
        int status = 0;
        while (child > 0 && waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        // The child replied only when it spoke; otherwise the reply is the helper's.
        const bool replied = child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (!replied) {
            const std::int32_t why =
                child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == NoVoice ? NoVoice : Failed;
            if (!SendReply(Socket, why, rate, {}))
                return 1;
        }
    }
    return 0;
}
