// TQuitSignals: the signals that ask the program to end (SIGTERM, SIGINT, SIGHUP), noted for
// the message loop.
#pragma once

// A signal ends the program as closing its window does, so that the gamblers are saved: the
// handler only notes it (and ends the main thread's wait), and the message loop closes the
// main window the normal way. A second signal before the loop has taken the first ends the
// program at once, as if no handler were there: a loop that cannot get round to it is no
// reason to stay.
class TQuitSignals {
public:
    // Installs the handler for the three signals. The calling thread is the one whose wait a
    // signal ends: one that arrives on another thread is passed on to it.
    static void Install();
    // The system's default actions back.
    static void Uninstall();
    // True once for a signal noted and not yet taken.
    static bool Take();
    static bool Pending();
};
