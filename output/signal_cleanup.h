// Files that a fatal signal removes before it ends the program.
#pragma once

#include <csignal>
#include <string_view>

// The fatal signals here are SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGTERM,
// SIGXCPU and SIGXFSZ: those that come from outside the program (a terminal,
// a pipe, kill, a resource limit) and end it by default.

// Holds the fatal signals back from the calling thread for its lifetime; one
// that arrives meanwhile is delivered when it ends.
class FatalSignalsHeld {
public:
    FatalSignalsHeld();
    ~FatalSignalsHeld();
    FatalSignalsHeld(const FatalSignalsHeld&) = delete;
    FatalSignalsHeld& operator=(const FatalSignalsHeld&) = delete;

private:
    sigset_t m_previous;
};

struct CleanupSlot;  // the handler's record of one file

// One file that a fatal signal removes before the signal ends the program
// (whose exit status still names the signal).
//
// Making an entry takes its place in the handler's table, growing the table
// if need be, so that recording a name later cannot fail. The order is: make
// the entry, then, with the fatal signals held, create the file and Hold()
// its name. No moment then exists at which the file is there and the handler
// does not know it, however many files the program keeps at once.
//
// A signal whose action was not the default when the first entry was made
// (ignored by nohup, or handled by someone else) is left alone.
class RemovedOnSignal {
public:
    // Throws std::bad_alloc when the table cannot grow.
    RemovedOnSignal();
    // Forgets the name; the file itself stays.
    ~RemovedOnSignal();
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

    // Whether a name can be held: shorter than PATH_MAX, as any name the
    // system takes in one call.
    static bool Fits(std::string_view path);
    // From now on the handler removes `path` (which Fits). Call it with the
    // fatal signals held, right after the file was made.
    void Hold(std::string_view path);
    // The handler no longer removes it (it was renamed or removed).
    void Forget();

private:
    CleanupSlot* m_slot;
};
