#include "platform/endrequest.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};

int g_pipe[2] = {-1, -1}; // written by the signal handler, read on the user-interface thread
QSocketNotifier* g_notifier = nullptr; // on only while there is a handler: the pipe keeps the rest
std::function<void()> g_handler;
volatile std::sig_atomic_t g_requested = 0;

// Only async-signal-safe work here: one byte into the pipe. A full pipe already holds a request.
void OnSignal(int)
{
    const int saved = errno;
    g_requested = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

void Drain()
{
    char bytes[64];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
}

} // namespace

void OnEndRequest(std::function<void()> handler)
{
    g_handler = std::move(handler);
    if (g_pipe[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_pipe) != 0)
            return;
        g_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(g_notifier, &QSocketNotifier::activated, g_notifier, [] {
            Drain();
            if (g_handler)
                g_handler();
        });
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : kEndSignals) {
            // A signal that was ignored when the process started (nohup, a background job) stays so.
            struct sigaction before {};
            if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN)
                continue;
            ::sigaction(signal, &action, nullptr);
        }
    }
    // A request that came while there was no handler is still in the pipe: the notifier, switched
    // on, reports it to this handler from the event loop.
    g_notifier->setEnabled(bool(g_handler));
}

bool EndRequested() { return g_requested != 0; }

} // namespace platform
