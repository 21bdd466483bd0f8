#include "cli/interrupt_signals.h"

#include <atomic>
#include <csignal>

namespace vorn::cli {
namespace {

std::atomic<int> g_received{0};
static_assert(std::atomic<int>::is_always_lock_free, "read and written in a signal handler");

constexpr int kSignals[] = {SIGINT, SIGTERM};
struct sigaction g_previous[std::size(kSignals)];

void SetAction(const struct sigaction& action)
{
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

extern "C" void NoteSignal(int signal)
{
    int none = 0;
    g_received.compare_exchange_strong(none, signal, std::memory_order_relaxed);
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    SetAction(defaultAction);
}

}  // namespace

InterruptSignals::InterruptSignals()
{
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &action, &g_previous[i]);
}

InterruptSignals::~InterruptSignals()
{
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
}

int InterruptSignals::Received()
{
    return g_received.load(std::memory_order_relaxed);
}

}  // namespace vorn::cli
