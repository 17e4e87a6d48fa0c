#include "Modal.h"
#include "ui/text/Catalogue.h"
#include "StartSelections.h"
#include "WindowFixture.h"
#include "model/FieldTable.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/widgets/SvgPicture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>

#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

using namespace aisset;
using test::answerNextBox;
using test::WindowTest;

namespace {

// A slot shows an edit field or a choice list by its field's kind; the other
// would stay hidden for the whole run, and is never made. The start makes the
// fields of the own-ship page it shows; the others come with their pages.
TEST_F(WindowTest, EachSlotHasOnlyTheFieldWidgetOfItsKindMadeWithItsPage)
{
    const auto made = [this](int s) {
        auto *edit = window->findChild<ui::MaskedEdit *>(u"text1_%1"_s.arg(s));
        auto *choice = window->findChild<ui::ChoiceBox *>(u"Combo1_%1"_s.arg(s));
        const bool isEdit = field(s).kind == FieldKind::Edit;
        EXPECT_FALSE(isEdit ? choice != nullptr : edit != nullptr) << "slot " << s;
        return isEdit ? edit != nullptr : choice != nullptr;
    };
    for (int s = 0; s < kSlotCount; ++s)
        EXPECT_EQ(made(s), field(s).group == Group::OwnShip) << "slot " << s;
    window->core().tabClicked(Page::System);
    for (int s = 0; s < kSlotCount; ++s)
        EXPECT_TRUE(made(s)) << "slot " << s;
}

// The start page's ship drawing is made ahead over the skin's pane colour, and
// a paint of the whole picture takes it: the colour found is the one painted.
TEST_F(WindowTest, TheShipDrawingMadeAheadIsTakenOverTheSkinsPane)
{
    auto *picture = find<ui::SvgPicture>(u"Image1"_s);
    EXPECT_TRUE(QTest::qWaitFor([picture] {
        picture->repaint();
        return picture->paintedFromPrepared();
    }));
}

TEST_F(WindowTest, StartsOnPageOneWithTheFocusInTheMmsiField)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("CorvelAIS船舶避碰系统(参数设置)(简)"));
    EXPECT_EQ(focused(), edit(slot::mmsi));
    auto *tabs = find<QTabWidget>(QStringLiteral("Tab1"));
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->currentIndex(), 0);
    const QStringList captions{QStringLiteral("本船资料设置"), QStringLiteral("系统设置"), QStringLiteral("说明显示"),
                               QStringLiteral("连接实图")};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tabs->tabText(i), captions[i]);
    EXPECT_TRUE(find<QPushButton>(QStringLiteral("Command2_0"))->isVisible());
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("Command2_1"))->isVisible());
    EXPECT_EQ(find<QLabel>(QStringLiteral("SkinLabel1_8"))->text(), QStringLiteral("天线方位A:"));
    EXPECT_EQ(edit(slot::draught)->text(), QStringLiteral("__._米"));
    EXPECT_FALSE(window->styleSheet().isEmpty()); // the start skin
    EXPECT_EQ(find<QLabel>(QStringLiteral("SBar1_Panel1"))->text(), QStringLiteral("通讯口1  无效"));
    EXPECT_FALSE(find<QLabel>(QStringLiteral("SkinLabel2_0"))->isVisible());
    auto *check = find<QCheckBox>(QStringLiteral("Check1"));
    EXPECT_EQ(check->text(), QStringLiteral("格开"));
    EXPECT_TRUE(check->isVisible());
    EXPECT_FALSE(check->isChecked());
}

// Notes whether the watched widget has been painted.
class PaintSeen : public QObject {
public:
    explicit PaintSeen(QWidget &w) { w.installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

// The search for serial devices waits until the user sees the window.
TEST_F(WindowTest, ThePortOpensAfterTheWindowsFirstPaint)
{
    window = std::make_unique<ui::MainWindow>(
        store, sysDir, LinkSession::Options{std::make_unique<QtSerialLine>([](int) { return QString(); }), {}});
    PaintSeen seen(*window);
    bool paintedBeforeOpen = false;
    QObject::connect(&form(), &Form::statusChanged, &seen, [&] {
        if (catalogue::text(form().connectionStatus()) == u"通讯口1  无效"_s && !paintedBeforeOpen)
            paintedBeforeOpen = seen.painted;
    });
    window->load();
    EXPECT_TRUE(catalogue::text(form().connectionStatus()).isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !catalogue::text(form().connectionStatus()).isEmpty(); }));
    EXPECT_TRUE(paintedBeforeOpen);
    EXPECT_EQ(find<QLabel>(QStringLiteral("SBar1_Panel1"))->text(), QStringLiteral("通讯口1  无效"));
}

TEST_F(WindowTest, EveryChoiceListWidgetStartsOnItsStartEntry)
{
    showEveryPage();
    for (const auto &[s, text] : test::kStartSelections)
        EXPECT_EQ(choice(s)->currentText(), QString::fromUtf16(text)) << "slot " << s;
    EXPECT_EQ(choice(slot::channel1)->count(), 180);
    EXPECT_EQ(choice(slot::shipType)->currentIndex(), -1);
    auto *ports = find<QComboBox>(QStringLiteral("Combo2"));
    EXPECT_EQ(ports->count(), 16);
    EXPECT_EQ(ports->currentText(), QStringLiteral("Com1"));
}

TEST_F(WindowTest, TypingFillsTheMaskAndStepsOverItsLiterals)
{
    ui::MaskedEdit *draught = edit(slot::draught);
    enter(draught);
    QTest::keyClicks(draught, QStringLiteral("1x2")); // "x" is refused
    EXPECT_EQ(draught->text(), QStringLiteral("12._米"));
    QTest::keyClick(draught, Qt::Key_5);
    EXPECT_EQ(draught->text(), QStringLiteral("12.5米"));
    EXPECT_EQ(form().editText(slot::draught), QStringLiteral("12.5米")); // one copy: the core's
    QTest::keyClick(draught, Qt::Key_Backspace);
    QTest::keyClick(draught, Qt::Key_Backspace); // over the point: the digit before it
    EXPECT_EQ(draught->text(), QStringLiteral("1_._米"));
    QTest::keyClick(draught, Qt::Key_Home);
    QTest::keyClick(draught, Qt::Key_Delete);
    EXPECT_EQ(draught->text(), QStringLiteral("__._米"));
    QTest::keyClick(draught, Qt::Key_Right);
    QTest::keyClick(draught, Qt::Key_Right); // steps over the point
    EXPECT_EQ(draught->cursorPosition(), 3);
}

TEST_F(WindowTest, AClickBehindTheLastInputPositionStillLeavesSomewhereToType)
{
    ui::MaskedEdit *mmsi = edit(slot::mmsi);
    enter(mmsi);
    QTest::mouseClick(mmsi, Qt::LeftButton, {}, QPoint(mmsi->width() - 4, mmsi->height() / 2));
    QTest::keyClicks(mmsi, QStringLiteral("41"));
    EXPECT_EQ(mmsi->text(), QStringLiteral("41_______"));
    ui::MaskedEdit *antenna = edit(slot::antennaA);
    enter(antenna);
    antenna->setCursorPosition(4); // behind the closing "米"
    QTest::keyClicks(antenna, QStringLiteral("9"));
    EXPECT_EQ(antenna->text(), QStringLiteral("9__米"));
}

TEST_F(WindowTest, AClickAmongEmptyPositionsTypesFromTheFirstOfThem)
{
    struct Case {
        int slot;
        const char16_t *before;
        int clicked;
        const char16_t *typed;
        const char16_t *after;
    };
    const Case cases[] = {
        {slot::shipName, u"", 12, u"HAI XING 7", u"HAI XING 7__________"}, // an empty field
        {slot::mmsi, u"412", 7, u"34", u"41234____"},                      // behind the text
        {slot::draught, u"", 3, u"85", u"85._米"},                         // behind a literal
        {slot::mmsi, u"412345678", 4, u"9", u"412395678"},                 // inside the text: stays
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.clicked);
        ui::MaskedEdit *field = edit(c.slot);
        enter(field);
        QTest::keyClicks(field, QString::fromUtf16(c.before));
        field->setCursorPosition(c.clicked); // where a click puts the widget's caret
        QTest::keyClicks(field, QString::fromUtf16(c.typed));
        EXPECT_EQ(field->text(), QString::fromUtf16(c.after));
    }
}

TEST_F(WindowTest, TheClickThatEntersAFieldKeepsItsWholeTextSelectedAndASecondClickPlacesTheCaret)
{
    ui::MaskedEdit *mmsi = edit(slot::mmsi);
    enter(mmsi);
    QTest::keyClicks(mmsi, QStringLiteral("412345678"));
    enter(edit(slot::callSign));
    const QPoint middle(mmsi->width() / 3, mmsi->height() / 2);
    QTest::mouseClick(mmsi, Qt::LeftButton, {}, middle);
    ASSERT_EQ(focused(), mmsi);
    EXPECT_EQ(mmsi->selectedText(), QStringLiteral("412345678"));
    QTest::keyClicks(mmsi, QStringLiteral("413000001"));
    EXPECT_EQ(form().editText(slot::mmsi), QStringLiteral("413000001"));

    QTest::mouseClick(mmsi, Qt::LeftButton, {}, middle);
    EXPECT_FALSE(mmsi->hasSelectedText());
    EXPECT_GT(mmsi->cursorPosition(), 0);
}

TEST_F(WindowTest, EnteringAFieldSelectsItsWholeText)
{
    enter(edit(slot::callSign));
    QTest::keyClicks(edit(slot::callSign), QStringLiteral("AB"));
    enter(edit(slot::mmsi));
    enter(edit(slot::callSign));
    EXPECT_EQ(edit(slot::callSign)->selectedText(), QStringLiteral("AB_____"));
    QTest::keyClicks(edit(slot::callSign), QStringLiteral("C"));
    EXPECT_EQ(edit(slot::callSign)->text(), QStringLiteral("C______"));
}

TEST_F(WindowTest, AnOpenListShowsItsLongestEntryWhole)
{
    ui::ChoiceBox *types = choice(slot::shipType);
    enter(types);
    types->showPopup();
    QAbstractItemView *list = types->view();
    ASSERT_TRUE(list->isVisible());
    const QFontMetrics metrics(list->font());
    const int textMargins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    for (int i = 0; i < types->count(); ++i) {
        const int shown = list->visualRect(list->model()->index(i, 0)).width();
        EXPECT_GE(shown, metrics.horizontalAdvance(types->itemText(i)) + textMargins)
            << types->itemText(i).toStdString();
    }
    types->hidePopup();
}

// The longest ship name shows whole: the field's text area holds its 20 widest
// letters, its font smaller as far as they need. Run at the scale of this process.
TEST_F(WindowTest, TheLongestShipNameShowsWhole)
{
    ui::MaskedEdit *name = edit(slot::shipName);
    const QString widest(20, u'W');
    ASSERT_TRUE(form().setEditText(slot::shipName, widest));
    ASSERT_EQ(name->text(), widest);
    QStyleOptionFrame frame;
    frame.initFrom(name);
    frame.lineWidth = name->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, name);
    const QRect contents = name->style()->subElementRect(QStyle::SE_LineEditContents, &frame, name);
    const QMargins margins = name->textMargins();
    constexpr int kLineEditMargin = 2; // QLineEdit's own margin each side of the text
    EXPECT_GE(contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin,
              name->fontMetrics().horizontalAdvance(widest))
        << "ship name field " << name->width() << " px wide, font " << name->font().pointSizeF();
    // A name of usual letters keeps the field's font.
    ASSERT_TRUE(form().setEditText(slot::shipName, QStringLiteral("HAI XING 8__________")));
    EXPECT_EQ(name->font().pointSizeF(), 9.75);
}

// Each ship type shows whole in the closed list ("32(拖带船:超200M长或25M宽)" is
// the longest), and the list covers no other widget of page 1. Run at the scale
// of this process.
TEST_F(WindowTest, EveryShipTypeShowsWholeInTheClosedList)
{
    ui::ChoiceBox *types = choice(slot::shipType);
    ASSERT_TRUE(types->isVisible());
    ASSERT_GT(types->count(), 0);
    for (int i = 0; i < types->count(); ++i) {
        types->setCurrentIndex(i);
        QStyleOptionComboBox option;
        option.initFrom(types);
        option.currentText = types->currentText();
        option.editable = false;
        const QRect text = types->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, types);
        EXPECT_GE(text.width(), types->fontMetrics().horizontalAdvance(types->currentText()))
            << types->currentText().toStdString() << ": list " << types->width() << " px wide, font "
            << types->font().pointSizeF();
    }
    for (QWidget *other : types->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        // The tab pages behind the fields hold the list whole.
        if (other == types || !other->isVisible() || other->geometry().contains(types->geometry()))
            continue;
        EXPECT_FALSE(other->geometry().intersects(types->geometry()))
            << other->objectName().toStdString() << " under the ship type list";
    }
}

// The same at the scales an installer's screen may have, each in a process of
// its own (the scale is fixed when the application starts).
TEST(WindowScales, TheLongestShipNameAndShipTypeShowWholeAtEveryScale)
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        GTEST_SKIP() << "runs inside the scaled process";
    for (const char *scale : {"1", "1.5", "2"}) {
        QProcess scaled;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
        scaled.setProcessEnvironment(env);
        scaled.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--gtest_filter=WindowTest.TheLongestShipNameShowsWhole:"
                                     "WindowTest.EveryShipTypeShowsWholeInTheClosedList")});
        ASSERT_TRUE(scaled.waitForFinished(60000));
        EXPECT_EQ(scaled.exitCode(), 0) << "scale " << scale << "\n"
                                        << scaled.readAllStandardOutput().toStdString();
    }
}

// A dialog placed by its inner area keeps its frame, the title bar above all,
// inside the available area too.
TEST(ScreenFit, ADialogsFrameStaysInsideTheAvailableArea)
{
    const QRect area(0, 30, 640, 450); // a small screen with a panel above
    const QMargins frame(4, 28, 4, 4); // borders and a title bar
    const QRect inners[] = {
        {100, 10, 300, 200},  // centred over a window near the top: title bar above the area
        {-20, 300, 300, 200}, // beyond the left and bottom edges
        {100, 100, 300, 200}, // inside, frame and all
    };
    for (const QRect &inner : inners) {
        const QRect placed = ui::innerKeptOnScreen(inner, frame, area);
        EXPECT_EQ(placed.size(), inner.size());
        EXPECT_TRUE(area.contains(placed.marginsAdded(frame)))
            << "inner area " << placed.x() << "," << placed.y() << " from " << inner.x() << "," << inner.y();
    }
    EXPECT_EQ(ui::innerKeptOnScreen({100, 100, 300, 200}, frame, area), QRect(100, 100, 300, 200));
}

// A window is moved into the screen's available area as little as it can; one
// taller or wider than the area keeps its title bar and menu on the screen.
TEST(ScreenFit, AWindowStaysInsideTheAvailableArea)
{
    const QRect area(0, 30, 960, 510); // a panel above, a scaled 1080-line screen
    struct Case {
        QRect frame;
        QPoint placed;
    };
    const Case cases[] = {
        {{100, 100, 400, 300}, {100, 100}}, // inside: stays
        {{100, -60, 400, 600}, {100, 30}},  // taller than the area, centred above it
        {{700, 400, 400, 300}, {560, 240}}, // beyond the right and bottom edges
        {{-50, 20, 1000, 200}, {0, 30}},    // wider than the area
    };
    for (const Case &c : cases)
        EXPECT_EQ(ui::keptOnScreen(c.frame, area), c.placed) << c.frame.x() << "," << c.frame.y();
}

TEST_F(WindowTest, TheKeypadDecimalKeyHelpsWithTheDraught)
{
    ui::MaskedEdit *draught = edit(slot::draught);
    enter(draught);
    QTest::keyClick(draught, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(draught->text(), QStringLiteral("_0._米"));
    EXPECT_EQ(draught->cursorPosition(), 3);

    enter(edit(slot::mmsi));
    enter(draught);
    QTest::keyClick(draught, Qt::Key_7);
    QTest::keyClick(draught, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(draught, Qt::Key_5);
    EXPECT_EQ(draught->text(), QStringLiteral("_7.5米"));
}

TEST_F(WindowTest, EnterWalksThroughTheOwnShipPage)
{
    const std::vector<int> walk{slot::mmsi,     slot::shipName, slot::callSign,  slot::imoNumber,
                                slot::shipType, slot::draught,  slot::crewCount, slot::antennaA,
                                slot::antennaB, slot::antennaC, slot::antennaD,  slot::epfdType};
    for (std::size_t i = 0; i + 1 < walk.size(); ++i) {
        QTest::keyClick(focused(), Qt::Key_Return);
        const int next = walk[i + 1];
        QWidget *expected = field(next).kind == FieldKind::Edit ? static_cast<QWidget *>(edit(next))
                                                                : static_cast<QWidget *>(choice(next));
        ASSERT_EQ(focused(), expected) << "after slot " << walk[i];
    }
}

TEST_F(WindowTest, EnterWalksThroughTheSystemPageFromItsFirstList)
{
    QTabBar *tabs = find<QTabWidget>(QStringLiteral("Tab1"))->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    ASSERT_EQ(focused(), choice(slot::channel1));
    const int walk[] = {slot::channel2,    slot::soundPromptRange, slot::lightPrompt,   slot::promptVolume,
                        slot::alarmVolume, slot::alarmRange,       slot::keyBrightness, slot::lcdMode,
                        slot::vhfTalk,     slot::dataOutput,       slot::arrivalRange,  slot::approachDisplay,
                        slot::alarm16};
    for (int next : walk) {
        QTest::keyClick(focused(), Qt::Key_Enter, Qt::KeypadModifier);
        ASSERT_EQ(focused(), choice(next)) << "to slot " << next;
    }
}

TEST_F(WindowTest, EnterOnTheLastOwnShipFieldOrTheButtonStartsTheWrite)
{
    const std::pair<const char *, std::function<void()>> triggers[] = {
        {"Enter",
         [this] {
             enter(choice(slot::epfdType));
             QTest::keyClick(choice(slot::epfdType), Qt::Key_Return);
         }},
        {"button", [this] { QTest::mouseClick(find<QPushButton>(QStringLiteral("Command2_0")), Qt::LeftButton); }},
    };
    for (const auto &[name, trigger] : triggers) {
        QString question, title, noButton;
        answerNextBox(QMessageBox::No, [&](QMessageBox &box) {
            question = box.text();
            title = box.windowTitle();
            noButton = box.button(QMessageBox::No)->text();
        });
        trigger();
        EXPECT_EQ(question, QStringLiteral("是否开始设置数据")) << name;
        EXPECT_EQ(title, QStringLiteral("Ais设置")) << name;
        EXPECT_TRUE(noButton.startsWith(QStringLiteral("否"))) << noButton.toStdString(); // "否(&N)"
        EXPECT_TRUE(window->isEnabled()) << name;
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
}

TEST_F(WindowTest, AMessageBoxWhileTheWindowIsHeldDisabledCanBeAnswered)
{
    form().setEnabled(false);
    bool boxEnabled = false;
    answerNextBox(QMessageBox::Ok, [&](QMessageBox &box) { boxEnabled = box.isEnabled(); });
    window->showMessage(QStringLiteral("MMSI错误"));
    EXPECT_TRUE(boxEnabled);
    EXPECT_FALSE(window->isEnabled());
}

TEST_F(WindowTest, LeavingAFieldRunsItsRules)
{
    enter(edit(slot::antennaA));
    QTest::keyClicks(edit(slot::antennaA), QStringLiteral("600"));
    enter(edit(slot::antennaD));
    QTest::keyClicks(edit(slot::antennaD), QStringLiteral("7"));
    enter(edit(slot::draught));
    QTest::keyClicks(edit(slot::draught), QStringLiteral("26"));
    enter(edit(slot::mmsi));
    EXPECT_EQ(edit(slot::antennaA)->text(), QStringLiteral("511米"));
    EXPECT_EQ(edit(slot::antennaD)->text(), QStringLiteral("7_米"));
    EXPECT_EQ(edit(slot::draught)->text(), QStringLiteral("25.5米"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label2_3"))->text(), QStringLiteral("船长:511米   船宽:7米"));
    EXPECT_TRUE(find<QLabel>(QStringLiteral("Label2_3"))->isVisible());
}

TEST_F(WindowTest, ACallSignWithAChineseCharacterIsFilteredWithAMessage)
{
    enter(edit(slot::callSign));
    QTest::keyClicks(edit(slot::callSign), QStringLiteral("ab"));
    QInputMethodEvent chinese;
    chinese.setCommitString(QStringLiteral("中"));
    QApplication::sendEvent(edit(slot::callSign), &chinese);
    QTest::keyClicks(edit(slot::callSign), QStringLiteral("c"));
    ASSERT_EQ(edit(slot::callSign)->text(), QStringLiteral("ab中c___"));

    QString message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    answerNextBox(QMessageBox::Ok, [&](QMessageBox &box) {
        message = box.text();
        icon = box.icon();
    });
    QTest::keyClick(edit(slot::callSign), Qt::Key_Tab); // leaves for the next field
    EXPECT_EQ(message, QStringLiteral("录入的数据不对,应仔细查询 只能为字母数字"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(edit(slot::callSign)->text(), QStringLiteral("ABC____"));
    EXPECT_TRUE(window->isEnabled());
    // The Tab key's move went on to the next field, which has the focus once the
    // window is active again after the message box.
    EXPECT_EQ(window->focusWidget(), edit(slot::imoNumber));
}

// After a message box the core sends the focus to a field while the window is
// not active yet; the field is entered all the same once the focus arrives, so
// that typing replaces its old text.
TEST_F(WindowTest, AFieldTheCoreSendsTheFocusToAfterAMessageBoxIsEnteredWhenTheFocusArrives)
{
    struct Case {
        const char *name;
        int field; // the field the focus goes back to
        QString typedAgain;
        QString expected;
        std::function<void()> act; // ends with the message box answered
    };
    QMessageBox::Icon refusal = QMessageBox::NoIcon;
    const Case cases[] = {
        {"a refused write", slot::mmsi, QStringLiteral("412345678"), QStringLiteral("412345678"),
         [&] {
             enter(edit(slot::mmsi));
             QTest::keyClicks(edit(slot::mmsi), QStringLiteral("41234567"));
             enter(choice(slot::shipType)); // its first entry
             enter(edit(slot::draught));
             QTest::keyClicks(edit(slot::draught), QStringLiteral("85"));
             enter(choice(slot::epfdType));
             answerNextBox(QMessageBox::Yes, [&](QMessageBox &) {
                 answerNextBox(QMessageBox::Ok, [&](QMessageBox &box) { refusal = box.icon(); });
             });
             QTest::keyClick(choice(slot::epfdType), Qt::Key_Return);
             EXPECT_EQ(refusal, QMessageBox::Warning) << "an error's icon";
         }},
        {"the six-bit message", slot::imoNumber, QStringLiteral("9"), QStringLiteral("9________"),
         [this] {
             enter(edit(slot::imoNumber));
             QTest::keyClicks(edit(slot::imoNumber), QStringLiteral("0001"));
             enter(edit(slot::callSign));
             QInputMethodEvent chinese;
             chinese.setCommitString(QStringLiteral("中"));
             QApplication::sendEvent(edit(slot::callSign), &chinese);
             answerNextBox(QMessageBox::Ok);
             QTest::keyClick(edit(slot::callSign), Qt::Key_Return); // walks on to the IMO number
         }},
    };
    for (const Case &c : cases) {
        c.act();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QApplication::processEvents();
        ASSERT_EQ(focused(), edit(c.field)) << c.name;
        QTest::keyClicks(edit(c.field), c.typedAgain);
        EXPECT_EQ(form().editText(c.field), c.expected) << c.name;
    }
}

// Without the core's move, a window merely active again enters no field.
TEST_F(WindowTest, AWindowActiveAgainEntersNoField)
{
    enter(edit(slot::imoNumber));
    QTest::keyClicks(edit(slot::imoNumber), QStringLiteral("12"));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(focused(), edit(slot::imoNumber));
    EXPECT_FALSE(edit(slot::imoNumber)->hasSelectedText());
    EXPECT_EQ(edit(slot::imoNumber)->cursorPosition(), 2);
}

TEST_F(WindowTest, TheWindowFollowsTheCoresEnabledStateAndKeepsTheFocusedField)
{
    enter(edit(slot::imoNumber));
    QTest::keyClicks(edit(slot::imoNumber), QStringLiteral("12"));
    form().setEnabled(false);
    EXPECT_FALSE(window->isEnabled());
    form().setEnabled(true);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(focused(), edit(slot::imoNumber));
    EXPECT_EQ(edit(slot::imoNumber)->text(), QStringLiteral("12_______")); // no entering: nothing selected
    EXPECT_FALSE(edit(slot::imoNumber)->hasSelectedText());
}

TEST_F(WindowTest, ClickingTheTabOfThePageShownChangesNothing)
{
    enter(edit(slot::shipName));
    QTest::keyClicks(edit(slot::shipName), QStringLiteral("SEA"));
    QTabBar *tabs = find<QTabWidget>(QStringLiteral("Tab1"))->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_EQ(focused(), edit(slot::shipName));
    EXPECT_EQ(edit(slot::shipName)->cursorPosition(), 3);
    EXPECT_FALSE(edit(slot::shipName)->hasSelectedText());
    EXPECT_EQ(window->core().layout().selectedPage(), Page::OwnShip);
}

TEST_F(WindowTest, TabsSwitchPagesAndTheWindowHeight)
{
    QTabBar *tabs = find<QTabWidget>(QStringLiteral("Tab1"))->tabBar();
    const int pageHeight = window->height();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_GT(window->height(), pageHeight);
    EXPECT_TRUE(find<QWidget>(QStringLiteral("Image4"))->isVisible());
    EXPECT_FALSE(edit(slot::mmsi)->isVisible());
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("Command2_0"))->isVisible());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_EQ(window->height(), pageHeight);
    EXPECT_EQ(focused(), edit(slot::mmsi));
}

TEST_F(WindowTest, ChangesTheCoreMakesShowAtOnce)
{
    ASSERT_TRUE(form().setEditText(slot::mmsi, QStringLiteral("412345678")));
    ASSERT_TRUE(form().selectChoiceText(slot::shipType, QStringLiteral("70(货船)")));
    form().setTransactionStatus(TransactionStatus::Kind::ReadSucceeded);
    EXPECT_EQ(edit(slot::mmsi)->text(), QStringLiteral("412345678"));
    EXPECT_EQ(choice(slot::shipType)->currentText(), QStringLiteral("70(货船)"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("SBar1_Panel2"))->text(), QStringLiteral("读取成功"));

    // And the user's choices reach the core.
    window->core().tabClicked(Page::System);
    choice(slot::vhfTalk)->setCurrentIndex(0);
    EXPECT_EQ(form().choiceText(slot::vhfTalk), QStringLiteral("开"));
    auto *ports = find<QComboBox>(QStringLiteral("Combo2"));
    ports->setFocus();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(ports, Qt::Key_Down);
    EXPECT_EQ(find<QLabel>(QStringLiteral("SBar1_Panel1"))->text(), QStringLiteral("通讯口5 无效"));
}

// The instructions picture names the fields by their captions and lists every
// sign the call sign and ship name take.
TEST_F(WindowTest, TheInstructionsUseTheFieldsWordsAndListTheSignsANameTakes)
{
    QFile picture(QStringLiteral(":/instructions.svg"));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&picture);
    QString shown;
    while (!svg.atEnd())
        if (svg.readNext() == QXmlStreamReader::Characters)
            shown += svg.text();
    for (int s : {slot::mmsi, slot::shipName, slot::callSign, slot::draught, slot::shipType, slot::epfdType}) {
        const QString caption = form().caption(s).remove(u':');
        EXPECT_TRUE(shown.contains(caption)) << caption.toStdString();
    }
    EXPECT_TRUE(shown.contains(form().caption(slot::antennaA).chopped(2))); // "天线方位" without "A:"
    for (char16_t c = 32; c < 95; ++c) {                                    // the six-bit set but the prompt "_"
        if (!QChar(c).isLetterOrNumber() && c != u' ') {
            EXPECT_TRUE(shown.contains(QChar(c))) << char(c);
        }
    }
}

TEST_F(WindowTest, ChoosingThePortShownAgainRunsThePortChoice)
{
    auto *ports = find<QComboBox>(QStringLiteral("Combo2"));
    ASSERT_EQ(ports->currentIndex(), 0);
    ports->showPopup();
    QAbstractItemView *list = ports->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    // One blank: chosen by the user, not opened at start.
    EXPECT_EQ(find<QLabel>(QStringLiteral("SBar1_Panel1"))->text(), QStringLiteral("通讯口1 无效"));
}

TEST_F(WindowTest, TheOpenPortListShowsTheDeviceBehindANumberAsATooltip)
{
    QTemporaryDir devices;
    const QString unit = devices.filePath(QStringLiteral("unit"));
    QFile(unit).open(QIODevice::WriteOnly);
    qputenv("AISSET_PORT_3", unit.toLocal8Bit());
    qputenv("AISSET_PORT_4", devices.filePath(QStringLiteral("unplugged")).toLocal8Bit());
    auto *ports = find<QComboBox>(QStringLiteral("Combo2"));
    ports->showPopup();
    qunsetenv("AISSET_PORT_3");
    qunsetenv("AISSET_PORT_4");
    EXPECT_EQ(ports->itemData(2, Qt::ToolTipRole).toString(), unit);
    EXPECT_TRUE(ports->itemData(3, Qt::ToolTipRole).toString().isEmpty()); // named, but not there
    ports->hidePopup();
    EXPECT_EQ(ports->itemText(2), QStringLiteral("Com3"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("SBar1_Panel1"))->text(), QStringLiteral("通讯口1  无效"));
}

TEST_F(WindowTest, TheMenuBarShowsTheRecordsMenuWithItsEntry)
{
    QList<QAction *> menus = window->menuBar()->actions();
    menus.removeIf([](const QAction *menu) { return !menu->isVisible(); });
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("档案调用"));
    ASSERT_EQ(menus[0]->menu()->actions().size(), 1);
    QAction *load = menus[0]->menu()->actions()[0];
    EXPECT_EQ(load->text(), QStringLiteral("调入船资料"));
    int opened = 0;
    window->setRecordsAction([&] { ++opened; });
    load->trigger();
    EXPECT_EQ(opened, 1);
}

} // namespace
