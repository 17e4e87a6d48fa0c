#pragma once

// A desktop of its own for tests that need real window activation and real
// keyboard focus: an X server without a screen (Xvfb) on a free display, the
// window manager openbox, and xdotool to type and to find windows. The window
// program runs on it as a separate process.
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

namespace aisset::test {

class Desktop {
public:
    ~Desktop()
    {
        for (QProcess *p : {&windowManager_, &server_}) {
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
            p->waitForFinished(3000);
        }
    }

    // Empty when the desktop runs, else what is missing or went wrong.
    QString start()
    {
        for (const char *tool : {"Xvfb", "openbox", "xdotool"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                return QString::fromLatin1(tool) +
                       QStringLiteral(" is not installed (scripts/deps.sh xvfb openbox xdotool)");
        // Xvfb picks a free display and writes its number to the given descriptor.
        server_.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                       QStringLiteral("tcp")});
        QElapsedTimer clock;
        clock.start();
        while (!server_.canReadLine() && !clock.hasExpired(10000))
            server_.waitForReadyRead(100);
        const QString number = QString::fromLatin1(server_.readLine()).trimmed();
        if (number.isEmpty())
            return QStringLiteral("Xvfb did not start: ") + QString::fromLocal8Bit(server_.readAllStandardError());
        display_ = u':' + number;
        // openbox is up once it announces its desktops. On a loaded machine it
        // may be slow or may end before taking the display; it then gets one
        // more start before the test is given up.
        windowManager_.setProcessEnvironment(environment());
        QString ended;
        for (int attempt = 0; attempt < 2; ++attempt) {
            windowManager_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
            QElapsedTimer managerClock;
            managerClock.start();
            bool endedEarly = false;
            while (!managerClock.hasExpired(30000) && !endedEarly) {
                if (xdotool({QStringLiteral("get_desktop")}).ok)
                    return {};
                endedEarly = windowManager_.waitForFinished(50);
            }
            if (!endedEarly)
                break;
            ended = QStringLiteral(" (it ended: ") + QString::fromLocal8Bit(windowManager_.readAllStandardError()) +
                    u')';
        }
        return QStringLiteral("openbox did not start on ") + display_ + ended;
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display_);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        return env;
    }

    struct Result {
        bool ok;
        QString out;
    };
    Result xdotool(const QStringList &arguments) const
    {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start(QStringLiteral("xdotool"), arguments);
        const bool finished = tool.waitForFinished(10000);
        return {finished && tool.exitCode() == 0, QString::fromUtf8(tool.readAllStandardOutput()).trimmed()};
    }

    // The id of the visible window whose title matches, once there is one.
    QString waitForWindow(const QString &title, int timeoutMs = 10000) const
    {
        QElapsedTimer clock;
        clock.start();
        while (!clock.hasExpired(timeoutMs)) {
            const Result found =
                xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), title});
            if (found.ok && !found.out.isEmpty())
                return found.out.split(u'\n').last();
            QThread::msleep(50);
        }
        return {};
    }

    // Whether the given window has the keyboard within the time.
    bool waitUntilActive(const QString &id, int timeoutMs = 10000) const
    {
        QElapsedTimer clock;
        clock.start();
        while (!clock.hasExpired(timeoutMs)) {
            if (xdotool({QStringLiteral("getactivewindow")}).out == id)
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    // Whether the given window is no longer shown within the time.
    bool waitUntilGone(const QString &id, int timeoutMs = 10000) const
    {
        QElapsedTimer clock;
        clock.start();
        while (!clock.hasExpired(timeoutMs)) {
            if (!xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                          QStringLiteral(".*")})
                     .out.split(u'\n')
                     .contains(id))
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    void type(const QString &text) const
    {
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
    }
    void key(const QString &name, int times = 1) const
    {
        for (int i = 0; i < times; ++i) {
            xdotool({QStringLiteral("key"), name});
            QThread::msleep(60); // the window treats one key before the next arrives
        }
    }

private:
    QProcess server_;
    QProcess windowManager_;
    QString display_;
};

} // namespace aisset::test
