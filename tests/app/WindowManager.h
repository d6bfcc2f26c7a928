#pragma once

#include <QByteArray>
#include <QProcess>
#include <QTest>

// Openbox managing the test's X server from Start() until destroyed, for the route through a window
// manager: frames, placement and focus as a desktop gives them.
class WindowManager {
public:
    WindowManager() = default;
    WindowManager(const WindowManager &) = delete;
    WindowManager &operator=(const WindowManager &) = delete;
    ~WindowManager()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            m_process.waitForFinished();
        }
    }

    // Whether openbox started and manages the screen. Openbox runs the startup command once it
    // manages the screen, and quits at once when another window manager does; either way a window
    // shown afterwards is managed.
    bool Start()
    {
        m_process.start(
            QStringLiteral("openbox"),
            {QStringLiteral("--sm-disable"), QStringLiteral("--startup"), QStringLiteral("echo managing")});
        if (!m_process.waitForStarted())
            return false;
        QByteArray output;
        return QTest::qWaitFor([&] {
            m_process.waitForReadyRead(10);
            output += m_process.readAllStandardOutput();
            return output.contains("managing") || m_process.state() == QProcess::NotRunning;
        });
    }

private:
    QProcess m_process;
};
