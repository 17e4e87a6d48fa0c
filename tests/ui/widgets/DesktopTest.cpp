// The window program on a real desktop (X server, window manager), typed into
// with xdotool, against the virtual unit, where window activation, focus and
// titles are the platform's own rather than the offscreen platform's.
#include "Desktop.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class OnADesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        const QString problem = desktop.start();
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
        const QString device = home.filePath(QStringLiteral("unit"));
        unit.start(QStringLiteral(AISSET_SIM_PATH), {QStringLiteral("--link"), device});
        ASSERT_TRUE(unit.waitForReadyRead(10000)) << "the virtual unit did not start";

        env = desktop.environment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("AISSET_PORT_1"), device);
        window.setProcessEnvironment(env);
        window.start(QStringLiteral(AISSET_WINDOW_PATH), {});
        mainId = desktop.waitForWindow(QStringLiteral("参数设置"));
        ASSERT_FALSE(mainId.isEmpty()) << "the window did not show";
        ASSERT_TRUE(desktop.waitUntilActive(mainId));
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
    void answerBox()
    {
        const QString box = desktop.waitForWindow(QStringLiteral("^Ais设置$"));
        ASSERT_FALSE(box.isEmpty()) << "no message box";
        ASSERT_TRUE(desktop.waitUntilActive(box));
        desktop.key(QStringLiteral("Return"));
        ASSERT_TRUE(desktop.waitUntilGone(box));
    }

    // The own-ship page walked with Enter from the MMSI field to the write, which
    // is confirmed.
    void walkToTheWrite()
    {
        desktop.key(QStringLiteral("Return"), 5); // ship name, call sign, IMO, ship type, draught
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

    QTemporaryDir home;
    aisset::test::Desktop desktop;
    QProcessEnvironment env;
    QProcess unit;
    QProcess window;
    QString mainId;
    QString log;
};

// After a message box the focus that the program gives back to a field arrives
// with the window's activation; what the user types next must replace the
// field's text. The check is the sentence the unit receives.
TEST_F(OnADesktop, AFieldRefusedByTheWriteIsRetypedWholeAfterTheMessage)
{
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

} // namespace
