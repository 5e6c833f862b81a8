#include "term_signal.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace quintrick {
namespace {

int g_fds[2] = {-1, -1};  // written by the signal handler, read on the GUI thread

void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_fds[0], &byte, 1);
}

}  // namespace

CTermSignal::CTermSignal(std::function<void()> onTerm) : m_onTerm(std::move(onTerm)) {
    if (g_fds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_fds) != 0) return;
    m_notifier = std::make_unique<QSocketNotifier>(g_fds[1], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(g_fds[1], &byte, 1);
        if (m_onTerm) m_onTerm();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

CTermSignal::~CTermSignal() {
    if (!m_notifier) return;
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGHUP, SIG_DFL);
    m_notifier.reset();
    ::close(g_fds[0]);
    ::close(g_fds[1]);
    g_fds[0] = g_fds[1] = -1;
}

}  // namespace quintrick
