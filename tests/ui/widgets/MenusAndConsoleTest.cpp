// The menus, the window modes with the console, the skins and the closing of
// the window, on screen; the console against the virtual unit.
#include "VirtualUnit.h"
#include "ui/text/Catalogue.h"
#include "WindowFixture.h"
#include "model/FieldTable.h"
#include "store/ProfileRecords.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

using namespace Qt::StringLiterals;

using namespace aisset;
using Menu = aisset::WindowMenu;

namespace {

class MenusTest : public test::WindowTest {
protected:
    QAction *action(const QString &name) const { return find<QAction>(name); }
    ui::Twips twips() const { return ui::Twips::forScreen(); }
};

TEST_F(MenusTest, EveryEntryIsAnActionShowingTheCoresCheckMark)
{
    for (const char16_t *hidden : {u"tools", u"showall"})
        EXPECT_FALSE(find<QMenu>(QString::fromUtf16(hidden))->menuAction()->isVisible());
    EXPECT_TRUE(find<QMenu>(u"tt"_s)->menuAction()->isVisible());
    for (int item = 0; item < Menu::kItemCount; ++item) {
        QAction *a = action(Menu::entry(item).name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), Menu::entry(item).caption);
        EXPECT_EQ(a->isChecked(), window->core().menu().isChecked(item)) << item;
    }
    EXPECT_TRUE(action(u"wt1"_s)->isChecked());
    EXPECT_TRUE(action(u"jid"_s)->isChecked());

    // "不循环设置" shows the writes' option and has no action of its own.
    action(u"jid"_s)->trigger();
    EXPECT_TRUE(action(u"jid"_s)->isChecked());
    EXPECT_TRUE(window->core().link().transactions().noRepeat());
    window->core().menu().setNoRepeat(false);
    EXPECT_FALSE(action(u"jid"_s)->isChecked());
}

TEST_F(MenusTest, DebugModeShowsTheConsoleBelowThePagesAndStandardModeHidesIt)
{
    const ui::Twips t = twips();
    const int standardHeight = window->height();
    action(u"wt2"_s)->trigger();
    EXPECT_TRUE(action(u"wt2"_s)->isChecked());
    EXPECT_FALSE(action(u"wt1"_s)->isChecked());
    EXPECT_EQ(window->height(), t.px(9000 - 450));
    const int screenHeight = t.twips(window->screen()->geometry().height());
    EXPECT_EQ(window->y(), t.px((screenHeight - 9000) / 2));

    const QWidget *area = window->centralWidget();
    const QRect tabs = find<QTabWidget>(u"Tab1"_s)->geometry();
    const std::pair<const char16_t *, const char16_t *> frames[] = {{u"Frame1_0", u"发出的指令集"},
                                                                    {u"Frame1_1", u"收到的数据"}};
    for (const auto &[name, title] : frames) {
        auto *frame = find<QGroupBox>(QString::fromUtf16(name));
        EXPECT_TRUE(frame->isVisible());
        EXPECT_EQ(frame->title(), QString::fromUtf16(title));
        EXPECT_EQ(frame->y(), t.px(4800));
        EXPECT_LE(tabs.bottom(), frame->y()) << "the pages overlap the console";
        EXPECT_LE(frame->geometry().bottom(), area->height()) << "the console is cut off";
    }
    for (const char16_t *name : {u"List3", u"Text2", u"Text6"})
        EXPECT_TRUE(find<QWidget>(QString::fromUtf16(name))->isVisible());
    const char16_t *captions[] = {u"清空数据", u"拆分数据", u"发送数据", u"复制指令"};
    for (int b = 0; b < 4; ++b) {
        auto *button = find<QPushButton>(u"Command1_%1"_s.arg(b));
        EXPECT_TRUE(button->isVisible());
        EXPECT_EQ(button->text(), QString::fromUtf16(captions[b]));
        EXPECT_GE(button->width(), button->sizeHint().width()) << "caption cut: " << b;
    }

    action(u"wt1"_s)->trigger();
    EXPECT_TRUE(action(u"wt1"_s)->isChecked());
    EXPECT_EQ(window->height(), standardHeight);
    EXPECT_FALSE(find<QGroupBox>(u"Frame1_0"_s)->isVisible());
    EXPECT_FALSE(find<QGroupBox>(u"Frame1_1"_s)->isVisible());
    EXPECT_EQ(window->y(), t.px((screenHeight - 6400) / 2));
}

// The next widget in the Tab chain that takes the focus.
QWidget *nextTabStop(QWidget *w)
{
    do
        w = w->nextInFocusChain();
    while (w->focusPolicy() == Qt::NoFocus);
    return w;
}

// The console is made when the debug window first shows it, showing what the
// core logged before, and takes the place in the Tab chain it had when it was
// made with the pages: after the pages' last button, before what followed it.
TEST_F(MenusTest, TheConsoleIsMadeWhenTheDebugWindowFirstShowsIt)
{
    EXPECT_EQ(window->findChild<QWidget *>(u"Text2"_s), nullptr) << "made at start";
    form().setReplyLog(u"$CVRSE,*7D\r\n"_s);
    QWidget *lastButton = find<QPushButton>(u"Command2_3"_s);
    QWidget *afterPages = nextTabStop(lastButton);

    action(u"wt2"_s)->trigger();
    EXPECT_EQ(find<QPlainTextEdit>(u"Text2"_s)->toPlainText(), u"$CVRSE,*7D\n"_s);
    QStringList consoleStops;
    for (const char16_t *frame : {u"Frame1_0", u"Frame1_1"})
        for (QWidget *w : find<QGroupBox>(QString::fromUtf16(frame))->findChildren<QWidget *>())
            if (w->focusPolicy() != Qt::NoFocus)
                consoleStops.append(w->objectName());
    EXPECT_EQ(consoleStops, (QStringList{u"List3"_s, u"Text2"_s, u"Text6"_s, u"Command1_0"_s, u"Command1_1"_s,
                                         u"Command1_2"_s, u"Command1_3"_s}));
    QStringList chained;
    QWidget *w = nextTabStop(lastButton);
    for (qsizetype i = 0; i < consoleStops.size(); ++i, w = nextTabStop(w))
        chained.append(w->objectName());
    EXPECT_EQ(chained, consoleStops);
    EXPECT_EQ(w, afterPages);

    // Hidden and shown again, it is the same console.
    action(u"wt1"_s)->trigger();
    action(u"wt2"_s)->trigger();
    EXPECT_EQ(window->findChildren<QPlainTextEdit *>(u"Text2"_s).size(), 1);
}

TEST_F(MenusTest, ShowParametersShowsTheStatusLabelsOnTheStatusBar)
{
    const auto labels = std::array{find<QLabel>(u"SkinLabel2_0"_s), find<QLabel>(u"SkinLabel2_1"_s)};
    ASSERT_FALSE(labels[0]->isVisible());
    window->core().form().setTransactionStatus(TransactionStatus::Kind::ReadSucceeded);
    action(u"t3d"_s)->trigger();
    for (QLabel *label : labels) {
        EXPECT_TRUE(label->isVisible());
        EXPECT_GE(label->y(), window->statusBar()->y());
    }
    EXPECT_EQ(labels[0]->text(), u"通讯口1  无效"_s);
    EXPECT_EQ(labels[1]->text(), u"读取成功"_s);
}

TEST_F(MenusTest, SkinEntriesRestyleTheWindowOrLeaveItWhenTheFileIsMissing)
{
    const QByteArray paper = "QMainWindow { background-color: #f4efe1; }\n";
    QFile file(sysDir + u"Paper.skn"_s);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(paper);
    file.close();

    action(u"s1_7"_s)->trigger(); // "Paper.skn"
    EXPECT_EQ(window->styleSheet(), QString::fromUtf8(paper));
    EXPECT_EQ(ProfileRecords(store).skin(), sysDir + u"Paper.skn"_s);
    EXPECT_TRUE(action(u"s1_7"_s)->isChecked());

    action(u"s1_0"_s)->trigger(); // "B-studio.skn" is not in the folder
    EXPECT_EQ(window->styleSheet(), QString::fromUtf8(paper));
    EXPECT_TRUE(action(u"s1_0"_s)->isChecked());
    EXPECT_FALSE(action(u"s1_7"_s)->isChecked());

    action(u"s2"_s)->trigger();
    EXPECT_TRUE(window->styleSheet().isEmpty());
    EXPECT_EQ(ProfileRecords(store).skin(), u"no"_s);
    EXPECT_TRUE(window->isEnabled());
}

// The window on a port served by the virtual unit.
class ConsoleTest : public MenusTest {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(unit.path().isEmpty()) << "the virtual unit did not start";
        startWindow(unit.path());
        ASSERT_TRUE(window->core().link().line().isOpen());
        action(u"wt2"_s)->trigger();
    }
    QStringList listed() const
    {
        QStringList entries;
        auto *list = find<QListWidget>(u"List3"_s);
        for (int i = 0; i < list->count(); ++i)
            entries.append(list->item(i)->text());
        return entries;
    }
    void click(int button) const
    {
        QTest::mouseClick(find<QPushButton>(u"Command1_%1"_s.arg(button)), Qt::LeftButton);
    }

    test::VirtualUnit unit{{}};
};

TEST_F(ConsoleTest, SendsTypedTextDecodesTheReplyAndWorksWithTheLists)
{
    auto *commandText = find<QPlainTextEdit>(u"Text2"_s);
    auto *receiveLog = find<QPlainTextEdit>(u"Text6"_s);
    enter(commandText);
    QTest::keyClicks(commandText, u"$CVRSE,*7D"_s);
    QTest::keyClick(commandText, Qt::Key_Return); // a typed line end is CR LF
    EXPECT_EQ(form().replyLog(), u"$CVRSE,*7D\r\n"_s);

    click(2); // "发送数据"
    QTRY_COMPARE_WITH_TIMEOUT(catalogue::text(form().transactionStatus()), u"读取成功"_s, 5000);
    EXPECT_TRUE(unit.log().contains(u"< $CVRSE,*7D"_s)) << unit.log().join(u'\n').toStdString();
    EXPECT_TRUE(receiveLog->toPlainText().startsWith(u"!CVSET"_s));
    EXPECT_EQ(choice(slot::shipType)->currentText(), u"90(其它类型船)"_s);
    const QStringList trace = listed(); // the decoding's trace
    ASSERT_GE(trace.size(), 2);
    EXPECT_EQ(trace, form().sentCommands());

    // Selecting an entry copies it into the command text.
    auto *list = find<QListWidget>(u"List3"_s);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(commandText->toPlainText(), trace[1]);

    click(3); // "复制指令"
    EXPECT_EQ(form().replyLog(), trace.join(u"\r\n"_s) + u"\r\n"_s);
    EXPECT_EQ(commandText->toPlainText(), trace.join(u'\n') + u'\n');

    // "拆分数据" decodes the receive log again.
    ASSERT_TRUE(form().selectChoiceText(slot::shipType, u"70(货船)"_s));
    click(1);
    EXPECT_EQ(choice(slot::shipType)->currentText(), u"90(其它类型船)"_s);

    click(0); // "清空数据"
    EXPECT_TRUE(commandText->toPlainText().isEmpty());
    EXPECT_TRUE(receiveLog->toPlainText().isEmpty());
    EXPECT_EQ(list->count(), 0);
}

TEST_F(ConsoleTest, ClosingTheWindowClosesThePort)
{
    window->close();
    EXPECT_FALSE(window->core().link().line().isOpen());
    EXPECT_FALSE(window->core().recordsDialog().isLoaded());
}

} // namespace
