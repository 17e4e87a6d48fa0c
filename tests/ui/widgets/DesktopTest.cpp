// The window program on a real desktop (X server, window manager), typed into
// with xdotool, against the virtual unit, where window activation, focus and
// titles are the platform's own rather than the offscreen platform's.
#include "Desktop.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <string>

#include <gtest/gtest.h>

namespace {

class OnADesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        const QString problem = desktop.start();
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    }

    // The virtual unit with its faults, then the window program (the real one, or
    // the probe that reports its status bar) on the unit's port 1.
    void start(const QStringList &faults = {}, const QString &program = QStringLiteral(AISSET_WINDOW_PATH),
               const QStringList &arguments = {})
    {
        const QString device = home.filePath(QStringLiteral("unit"));
        unit.start(QStringLiteral(AISSET_SIM_PATH), QStringList{QStringLiteral("--link"), device} + faults);
        ASSERT_TRUE(unit.waitForReadyRead(10000)) << "the virtual unit did not start";

        env = desktop.environment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("AISSET_PORT_1"), device);
        window.setProcessEnvironment(env);
        window.start(program, arguments);
        // The first start on a busy machine (a sanitizer build, cold caches) may be slow.
        mainId = desktop.waitForWindow(QStringLiteral("参数设置"), 30000);
        ASSERT_FALSE(mainId.isEmpty()) << "the window did not show; "
                                       << (window.state() == QProcess::NotRunning
                                               ? "it ended with " + std::to_string(window.exitCode())
                                               : std::string("it still runs"))
                                       << ", saying: " << window.readAllStandardError().toStdString();
        ASSERT_TRUE(desktop.waitUntilActive(mainId));
        // The probe reports the places once the start has filled the form.
        if (program == QStringLiteral(AISSET_PROBE_PATH)) {
            ASSERT_TRUE(probeReports(QStringLiteral("place "))) << probed.toStdString();
            startReports = probed.size();
        }
    }
    void TearDown() override
    {
        for (QProcess *p : {&window, &unit}) {
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
        }
    }

    // Answers the next message box with the Enter key (its default button) and
    // waits until it has gone.
    // A box left open for keptOpenMs first, as a person reading it does.
    void answerBox(int keptOpenMs = 0)
    {
        const QString box = desktop.waitForWindow(QStringLiteral("^Ais设置$"));
        ASSERT_FALSE(box.isEmpty()) << "no message box";
        ASSERT_TRUE(desktop.waitUntilActive(box));
        QThread::msleep(keptOpenMs);
        desktop.key(QStringLiteral("Return"));
        ASSERT_TRUE(desktop.waitUntilGone(box));
    }

    // The own-ship page walked with Enter from the MMSI field to the write, which
    // is confirmed; the ship type is chosen with a digit ("7": a cargo ship)
    // unless it is passed by.
    void walkToTheWrite(bool choosingShipType = true)
    {
        desktop.key(QStringLiteral("Return"), 4); // ship name, call sign, IMO, ship type
        if (choosingShipType)
            desktop.type(QStringLiteral("7"));
        desktop.key(QStringLiteral("Return")); // draught
        desktop.type(QStringLiteral("85"));
        desktop.key(QStringLiteral("Return"), 7); // crew, antennas A-D, device, write
        answerBox();                              // "是否开始设置数据"
    }

    // The sentences the unit received (its log lines "< ...").
    QStringList received(const QString &waitFor)
    {
        QElapsedTimer clock;
        clock.start();
        while (!log.contains(waitFor) && !clock.hasExpired(10000)) {
            unit.waitForReadyRead(100);
            log += QString::fromUtf8(unit.readAllStandardError());
        }
        QStringList sentences;
        for (const QString &line : log.split(u'\n'))
            if (line.startsWith(QStringLiteral("< ")))
                sentences.append(line.mid(2));
        return sentences;
    }

    // Whether the probe has reported the line within the time; everything it
    // reported so far is in probed.
    bool probeReports(const QString &line, int timeoutMs = 10000)
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            probed += QString::fromUtf8(window.readAllStandardOutput());
            if (probed.contains(line))
                return true;
            if (clock.hasExpired(timeoutMs))
                return false;
            window.waitForReadyRead(100);
        }
    }
    // The screen place the probe reported for a button or the command text.
    QStringList placeOf(const QString &name)
    {
        const QString key = QStringLiteral("place ") + name + QStringLiteral(": ");
        if (!probeReports(key))
            return {};
        const qsizetype at = probed.indexOf(key) + key.size();
        return probed.mid(at, probed.indexOf(u'\n', at) - at).split(u' ');
    }
    void click(const QStringList &place)
    {
        desktop.xdotool(QStringList{QStringLiteral("mousemove")} + place);
        desktop.xdotool({QStringLiteral("click"), QStringLiteral("1")});
        QThread::msleep(100);
    }

    QTemporaryDir home;
    aisset::test::Desktop desktop;
    QProcessEnvironment env;
    QProcess unit;
    QProcess window;
    QString mainId;
    QString log;
    QString probed;
    qsizetype startReports = 0; // what the probe reported while the window started
    QString reportedSinceStart() const { return probed.mid(startReports); }
};

// After a message box the focus that the program gives back to a field arrives
// with the window's activation; what the user types next must replace the
// field's text. The check is the sentence the unit receives.
TEST_F(OnADesktop, AFieldRefusedByTheWriteIsRetypedWholeAfterTheMessage)
{
    start();
    desktop.type(QStringLiteral("41234567")); // one digit short
    walkToTheWrite();
    answerBox(); // "有错误,请检查数据": the focus goes back to the MMSI field
    ASSERT_TRUE(desktop.waitUntilActive(mainId));
    desktop.type(QStringLiteral("412345678"));
    walkToTheWrite();
    const QStringList sentences = received(QStringLiteral("$CVUIS"));
    ASSERT_EQ(sentences.size(), 1) << log.toStdString();
    EXPECT_TRUE(sentences[0].contains(QStringLiteral("412345678"))) << sentences[0].toStdString();
}

// The title bar of the second start's message box is blank, not the program's
// name that the platform puts in place of an empty title.
TEST_F(OnADesktop, TheSecondStartsMessageHasABlankTitle)
{
    start();
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(AISSET_WINDOW_PATH), {});
    QString box;
    QElapsedTimer clock;
    clock.start();
    while (box.isEmpty() && !clock.hasExpired(10000)) {
        const auto found = desktop.xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                            QStringLiteral("--class"), QStringLiteral("aisset")});
        for (const QString &id : found.out.split(u'\n', Qt::SkipEmptyParts))
            if (id != mainId)
                box = id;
    }
    ASSERT_FALSE(box.isEmpty()) << "no message box";
    const QString title = desktop.xdotool({QStringLiteral("getwindowname"), box}).out;
    EXPECT_TRUE(title.trimmed().isEmpty()) << title.toStdString();
    ASSERT_TRUE(desktop.waitUntilActive(box));
    desktop.key(QStringLiteral("Return"));
    EXPECT_TRUE(second.waitForFinished(10000));
}

// The status bar says what happened to a transaction, whatever the timing: the
// window is the probe, the same main window reporting its status bar.

// A success box read for longer than the acknowledgement's wait: the answer that
// came is not reported as none, in the box nor in the status bar.
TEST_F(OnADesktop, AnAcknowledgementReadSlowlyStaysASuccess)
{
    ASSERT_NO_FATAL_FAILURE(start({}, QStringLiteral(AISSET_PROBE_PATH)));
    desktop.type(QStringLiteral("412345678"));
    walkToTheWrite();
    ASSERT_TRUE(probeReports(QStringLiteral("| 设置成功")));
    answerBox(3500); // "本船资料设置成功"
    probeReports(QStringLiteral("未收到应答"), 1000);
    EXPECT_FALSE(probed.contains(QStringLiteral("未收到应答"))) << probed.toStdString();
    EXPECT_TRUE(probed.trimmed().endsWith(QStringLiteral("| 设置成功"))) << probed.toStdString();
}

// The verification's reply comes after it gave up: it is compared and the
// difference is reported, and the form keeps what was typed.
TEST_F(OnADesktop, ALateVerificationReplyIsComparedNotDecodedIntoTheForm)
{
    ASSERT_NO_FATAL_FAILURE(start({QStringLiteral("--stale"), QStringLiteral("ownship"), QStringLiteral("--ack-delay"),
                                   QStringLiteral("4000")},
                                  QStringLiteral(AISSET_PROBE_PATH), {QStringLiteral("--full")}));
    desktop.type(QStringLiteral("412345678"));
    walkToTheWrite();
    ASSERT_TRUE(probeReports(QStringLiteral("| 设置成功"), 8000)) << probed.toStdString();
    answerBox();
    ASSERT_TRUE(probeReports(QStringLiteral("校验未完成:设备无应答"), 8000)) << probed.toStdString();
    EXPECT_TRUE(probeReports(QStringLiteral("| 设备参数与写入不符"), 5000)) << probed.toStdString();
    answerBox(); // the warning that lists the differences
    EXPECT_FALSE(probed.contains(QStringLiteral("读取成功"))) << probed.toStdString();
    // The form keeps what was typed: no list took the stale reply's entries.
    const QString typed = QStringLiteral("choice 3: 70(货船)\n");
    const qsizetype typedAt = reportedSinceStart().indexOf(typed);
    ASSERT_GE(typedAt, 0) << reportedSinceStart().toStdString();
    const QString afterTyping = reportedSinceStart().mid(typedAt + typed.size());
    EXPECT_FALSE(afterTyping.contains(QStringLiteral("choice "))) << afterTyping.toStdString();
}

// A read from a unit that never answers: what was typed stays, and after three
// seconds the status says that no answer came.
TEST_F(OnADesktop, AReadFromASilentUnitKeepsTheFormAndSaysNoAnswerCame)
{
    ASSERT_NO_FATAL_FAILURE(
        start({QStringLiteral("--silent")}, QStringLiteral(AISSET_PROBE_PATH), {QStringLiteral("--full")}));
    const QStringList readButton = placeOf(QStringLiteral("读取设备资料"));
    ASSERT_EQ(readButton.size(), 2) << probed.toStdString();
    const qsizetype before = probed.size();
    click(readButton);
    EXPECT_TRUE(probeReports(QStringLiteral("| 未收到应答"), 6000)) << probed.toStdString();
    // No choice list was emptied (the position-fixing device starts chosen).
    EXPECT_FALSE(probed.mid(before).contains(QStringLiteral("choice "))) << probed.mid(before).toStdString();
}

// The ship type passed by with Enter stays unchosen: the write refuses it, and
// nothing reaches the unit.
TEST_F(OnADesktop, AShipTypeNobodyChoseIsNotWritten)
{
    ASSERT_NO_FATAL_FAILURE(start({}, QStringLiteral(AISSET_PROBE_PATH)));
    desktop.type(QStringLiteral("412345678"));
    walkToTheWrite(false);
    answerBox(); // "有错误,请检查数据"
    probeReports(QStringLiteral("never reported"), 500);
    EXPECT_FALSE(reportedSinceStart().contains(QStringLiteral("choice 3:"))) << reportedSinceStart().toStdString();
    EXPECT_TRUE(received(QStringLiteral("$CVUIS")).isEmpty()) << log.toStdString();
}

// Tab in the console's command text moves the focus as everywhere else; no tab
// character reaches the unit.
TEST_F(OnADesktop, TabLeavesTheConsolesCommandText)
{
    ASSERT_NO_FATAL_FAILURE(start({}, QStringLiteral(AISSET_PROBE_PATH),
                                  {QStringLiteral("--full"), QStringLiteral("--debug-window")}));
    const QStringList commandText = placeOf(QStringLiteral("command text"));
    const QStringList send = placeOf(QStringLiteral("发送数据"));
    ASSERT_EQ(commandText.size(), 2) << probed.toStdString();
    ASSERT_EQ(send.size(), 2) << probed.toStdString();
    click(commandText);
    desktop.type(QStringLiteral("$CVRSE,"));
    desktop.key(QStringLiteral("Tab"));
    desktop.type(QStringLiteral("*7D"));
    click(commandText);
    desktop.key(QStringLiteral("End"));
    desktop.type(QStringLiteral("*7D"));
    desktop.key(QStringLiteral("Return"));
    click(send);
    const QStringList sentences = received(QStringLiteral("$CVRSE"));
    ASSERT_EQ(sentences.size(), 1) << log.toStdString();
    EXPECT_EQ(sentences[0].trimmed(), QStringLiteral("$CVRSE,*7D")) << sentences[0].toStdString();
}

} // namespace
