// TQuitSignals: the signals that ask the program to end (SIGTERM, SIGINT, SIGHUP), noted for
// the message loop, and the rule for one that comes while another waits.
#pragma once

#include "Types.h"

// A signal ends the program as closing its window does, so that the gamblers are saved: the
// handler only notes it (and ends the main thread's wait), and the message loop closes the
// main window the normal way. A session's end sends SIGTERM and SIGHUP back to back, and a
// terminal may add SIGINT: until the loop takes the first, the others are the same request.
// Only a second Ctrl+C, or any of them once the first has waited 10 s, says the loop will not
// get round to it: the program then ends at once, as if no handler were there.
class TQuitSignals {
public:
    // Milliseconds on a monotonic clock; called in the handler, so async-signal-safe.
    using TNow = u64 (*)();
    // Installs the handler for the three signals. The calling thread is the one whose wait a
    // signal ends: one that arrives on another thread is passed on to it. now times how long
    // a signal has gone untaken (the host's monotonic clock unless a test's is given).
    static void Install(TNow now = nullptr);
    // The system's default actions back.
    static void Uninstall();
    // True once for a request noted and not yet taken.
    static bool Take();
    static bool Pending();
};

// How long a noted request may go untaken before a further signal ends the program.
constexpr u64 QuitSignalPatienceMs = 10000;

// The signals that came since the loop last took a request.
struct TQuitSignalsSeen {
    bool Any = false;
    bool Interrupt = false; // one of them was SIGINT
    u64 FirstMs = 0;
    bool operator==(const TQuitSignalsSeen&) const = default;
};

enum class TQuitSignalAction {
    Note,   // a new request for the loop
    Ignore, // the request already noted
    End,    // the default action, at once
};

struct TQuitSignalStep {
    TQuitSignalAction Action = TQuitSignalAction::Note;
    TQuitSignalsSeen Seen;
};

// What the handler does with signal sig at nowMs after seen, and what it has seen then.
TQuitSignalStep StepQuitSignal(const TQuitSignalsSeen& seen, int sig, u64 nowMs);
