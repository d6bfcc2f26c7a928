#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/types.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

// Print systems in trouble, for the printing tests, without disturbing the one the other tests use.

// The process of the tests' private scheduler, which scripts/test names in QUILLMERE_TEST_CUPSD_PID;
// 0 without one (the machine's scheduler is never named, so never stopped).
inline pid_t PrivateSchedulerPid()
{
    return qEnvironmentVariableIntValue("QUILLMERE_TEST_CUPSD_PID");
}

// The scheduler of process `pid` stopped (SIGSTOP) for the lifetime of a scope, as a frozen one is: it
// takes connections and answers nothing. Resumed at the end however the test ends.
class FrozenScheduler {
public:
    explicit FrozenScheduler(pid_t pid) : m_pid(pid) { kill(m_pid, SIGSTOP); }
    ~FrozenScheduler() { kill(m_pid, SIGCONT); }
    FrozenScheduler(const FrozenScheduler &) = delete;
    FrozenScheduler &operator=(const FrozenScheduler &) = delete;

private:
    pid_t m_pid;
};

// A scheduler of the test's own, reached at Path(), that is killed at every request: it takes each
// connection, reads the request and closes it unanswered.
class DyingScheduler {
public:
    DyingScheduler()
        : m_path(QFile::encodeName(m_folder.filePath(QStringLiteral("cups.sock")))),
          m_socket(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_path.constData(), sizeof address.sun_path - 1);
        if (bind(m_socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
            listen(m_socket, 8) != 0)
            return;
        m_thread = std::thread([socket = m_socket] {
            for (int connection; (connection = accept(socket, nullptr, nullptr)) >= 0;) {
                char request[256];
                (void)recv(connection, request, sizeof request, 0);
                close(connection);
            }
        });
    }
    ~DyingScheduler()
    {
        shutdown(m_socket, SHUT_RDWR); // ends the waiting accept
        if (m_thread.joinable())
            m_thread.join();
        close(m_socket);
    }
    DyingScheduler(const DyingScheduler &) = delete;
    DyingScheduler &operator=(const DyingScheduler &) = delete;

    bool Listening() const { return m_thread.joinable(); }
    const char *Path() const { return m_path.constData(); }

private:
    QTemporaryDir m_folder;
    QByteArray m_path;
    int m_socket;
    std::thread m_thread;
};
