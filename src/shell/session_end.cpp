#include "session_end.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QGuiApplication>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

namespace quintrick {
namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};

// Written by the signal handler (its write end non-blocking), read on the GUI thread.
int g_fds[2] = {-1, -1};
std::array<bool, kSignals.size()> g_installed{};

void OnSignal(int signal) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(g_fds[0], &byte, 1);
    errno = saved;
}

}  // namespace

CSessionEnd::CSessionEnd(std::function<void()> save, std::function<void(int)> end)
    : m_save(std::move(save)), m_end(std::move(end)) {
#if QT_CONFIG(sessionmanager)
    // Before a logout: everything saved, and the game goes on until it is told to end.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        if (m_save) m_save();
    });
#endif
    if (g_fds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_fds) != 0) return;
    ::fcntl(g_fds[0], F_SETFL, ::fcntl(g_fds[0], F_GETFL) | O_NONBLOCK);
    m_notifier = std::make_unique<QSocketNotifier>(g_fds[1], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &CSessionEnd::TakeUpSignal);
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction old = {};
        if (::sigaction(kSignals[i], nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
        struct sigaction action = {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        g_installed[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

CSessionEnd::~CSessionEnd() {
    if (!m_notifier) return;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (g_installed[i]) ::signal(kSignals[i], SIG_DFL);
        g_installed[i] = false;
    }
    m_notifier.reset();
    ::close(g_fds[0]);
    ::close(g_fds[1]);
    g_fds[0] = g_fds[1] = -1;
}

void CSessionEnd::TakeUpSignal() {
    unsigned char byte = 0;
    if (::read(g_fds[1], &byte, 1) != 1) return;
    if (m_save) m_save();
    if (m_end) m_end(byte);
}

void CSessionEnd::EndProcess(int) {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

}  // namespace quintrick
