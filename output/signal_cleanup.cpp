#include "output/signal_cleanup.h"

#include <array>
#include <atomic>
#include <climits>
#include <cstring>
#include <memory>

#include <unistd.h>

namespace {

// Every signal from outside the program whose default action ends it: the
// terminal's (HUP, INT, QUIT), a closed pipe's (PIPE), kill's (TERM) and a
// resource limit's (XCPU: CPU time; XFSZ: a file grown past `ulimit -f` as
// it is written). QUIT and the limits' signals then dump core as before.
constexpr std::array kFatalSignals{SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGTERM, SIGXCPU, SIGXFSZ};

sigset_t FatalSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kFatalSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

}  // namespace

// A slot is free, taken by an entry that holds no name yet (or no longer),
// or holding a name the handler removes. The path is written before the
// state turns to held, and only while the fatal signals are held.
struct CleanupSlot {
    enum State : int { kFree, kTaken, kHeld };
    std::atomic<int> state{kFree};
    char path[PATH_MAX]{};
};

namespace {

using Slot = CleanupSlot;
static_assert(std::atomic<int>::is_always_lock_free, "read by a signal handler");

// The table is a chain of blocks that only grows: a block is never freed or
// moved, so the handler can walk the chain at any moment, on any thread,
// without a lock. The first block is static and holds what a single picture
// with its dump and analysis needs.
struct Block {
    std::array<Slot, 8> slots;
    std::atomic<Block*> next{nullptr};
};
static_assert(std::atomic<Block*>::is_always_lock_free, "read by a signal handler");

Block g_firstBlock;

extern "C" void RemoveFilesAndStop(int signal)
{
    for (Block* block = &g_firstBlock; block != nullptr;
         block = block->next.load(std::memory_order_acquire)) {
        for (Slot& slot : block->slots) {
            if (slot.state.load(std::memory_order_acquire) == Slot::kHeld) {
                ::unlink(slot.path);
            }
        }
    }
    // SA_RESETHAND has put back the default action. The signal stays blocked
    // while this handler runs and ends the process as soon as it returns.
    ::raise(signal);
}

void InstallHandlers()
{
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = RemoveFilesAndStop;
        action.sa_mask = FatalSignalSet();
        action.sa_flags = SA_RESETHAND;
        for (const int signal : kFatalSignals) {
            // A signal ignored since the start (nohup, a background job)
            // stays ignored, and a handler someone else installed is kept.
            struct sigaction current {};
            if (::sigaction(signal, nullptr, &current) == 0 &&
                (current.sa_flags & SA_SIGINFO) == 0 && current.sa_handler == SIG_DFL) {
                ::sigaction(signal, &action, nullptr);
            }
        }
        return true;
    }();
    (void)installed;
}

Slot& TakeSlot()
{
    for (Block* block = &g_firstBlock;;) {
        for (Slot& slot : block->slots) {
            int expected = Slot::kFree;
            if (slot.state.compare_exchange_strong(expected, Slot::kTaken)) {
                return slot;
            }
        }
        Block* next = block->next.load(std::memory_order_acquire);
        if (next == nullptr) {
            auto grown = std::make_unique<Block>();
            // Kept for the life of the process (see Block); another thread
            // may have added a block first, and then that one is used.
            if (block->next.compare_exchange_strong(next, grown.get(), std::memory_order_acq_rel)) {
                next = grown.release();
            }
        }
        block = next;
    }
}

}  // namespace

FatalSignalsHeld::FatalSignalsHeld()
{
    const sigset_t set = FatalSignalSet();
    ::pthread_sigmask(SIG_BLOCK, &set, &m_previous);
}

FatalSignalsHeld::~FatalSignalsHeld()
{
    ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}

RemovedOnSignal::RemovedOnSignal() : m_slot(&TakeSlot())
{
    InstallHandlers();
}

RemovedOnSignal::~RemovedOnSignal()
{
    m_slot->state.store(Slot::kFree, std::memory_order_release);
}

bool RemovedOnSignal::Fits(std::string_view path)
{
    return !path.empty() && path.size() < PATH_MAX && path.find('\0') == std::string_view::npos;
}

void RemovedOnSignal::Hold(std::string_view path)
{
    if (!Fits(path)) {
        return;  // never for a caller that asked Fits() first; no write past the slot
    }
    std::memcpy(m_slot->path, path.data(), path.size());
    m_slot->path[path.size()] = '\0';
    m_slot->state.store(Slot::kHeld, std::memory_order_release);
}

void RemovedOnSignal::Forget()
{
    m_slot->state.store(Slot::kTaken, std::memory_order_release);
}
