// What a screen reader and a keyboard user get from the window, in both
// editions: every focusable element has a name, each field is named by its
// caption, the pictures say what they show, every action has a key sequence,
// Tab reaches every control, and the skin shows where the focus is.
#include "Modal.h"
#include "WindowFixture.h"
#include "model/FieldTable.h"
#include "ui/widgets/RecordsWindow.h"
#include "ui/widgets/Skin.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <set>

using namespace Qt::StringLiterals;
using namespace aisset;

namespace aisset {
// Test names say the edition.
[[maybe_unused]] static void PrintTo(Edition edition, std::ostream *out)
{
    *out << (edition == Edition::Full ? "Full" : "Simplified");
}
} // namespace aisset

namespace {

QString describe(QAccessibleInterface *iface)
{
    QObject *object = iface->object();
    const QString where = object ? u"%1 (%2)"_s.arg(object->objectName(), QString::fromLatin1(object->metaObject()->className()))
                                 : u"child of "_s + iface->parent()->object()->objectName();
    return u"%1 role %2"_s.arg(where).arg(iface->role());
}

// Everything below iface a screen reader can move the focus to and is shown,
// whose name is empty: what it would read as nothing.
void collectUnnamed(QAccessibleInterface *iface, QStringList &unnamed)
{
    const QAccessible::State state = iface->state();
    if (state.invisible)
        return;
    if (state.focusable && iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed.append(describe(iface));
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface *child = iface->child(i))
            collectUnnamed(child, unnamed);
}

// One line each, empty when none.
std::string unnamedFocusable(QWidget &root)
{
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(&root), unnamed);
    return unnamed.join(u'\n').toStdString();
}

QString accessibleName(QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

class Accessibility : public test::WindowTest, public ::testing::WithParamInterface<Edition> {
protected:
    void SetUp() override { startWindow(QString(), GetParam()); }
    bool full() const { return GetParam() == Edition::Full; }
    int pageCount() const { return window->core().layout().pageCount(); }
    void showPage(Page page)
    {
        window->core().tabClicked(page);
        QApplication::processEvents();
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        // After a message box the window may not have given the focus back yet.
        QTest::keyClick(focused() ? focused() : window.get(), Qt::Key(key), modifiers);
        QApplication::processEvents();
    }
    Page selectedPage() const { return window->core().layout().selectedPage(); }
    Page pageOnTab(int tab) const { return pageAtTab(tab).page; }
    void debugMode() { window->core().menu().trigger(WindowMenu::DebugWindow); }
};

INSTANTIATE_TEST_SUITE_P(BothEditions, Accessibility, ::testing::Values(Edition::Simplified, Edition::Full),
                         [](const auto &test) { return test.param == Edition::Full ? "Full" : "Simplified"; });

TEST_P(Accessibility, NoFocusableElementIsUnnamedOnAnyPageTheConsoleOrTheRecordsDialog)
{
    for (int tab = 0; tab < pageCount(); ++tab) {
        showPage(pageOnTab(tab));
        EXPECT_EQ(unnamedFocusable(*window), "") << "tab " << tab;
    }
    if (full()) {
        debugMode();
        showPage(Page::OwnShip);
        EXPECT_EQ(unnamedFocusable(*window), "") << "debug window";
    }
    std::string inDialog = "not opened";
    test::whenModal<ui::RecordsWindow>([&](ui::RecordsWindow &dialog) {
        inDialog = unnamedFocusable(dialog);
        dialog.reject();
    });
    window->recordsWindow().openModal();
    EXPECT_EQ(inDialog, "") << "records dialog";
}

TEST_P(Accessibility, EveryShownFieldIsNamedByItsCaptionWhichIsItsBuddy)
{
    int fields = 0;
    for (int tab = 0; tab < pageCount(); ++tab) {
        showPage(pageOnTab(tab));
        for (int s = 0; s < kSlotCount; ++s) {
            // A page's fields are made when it is first shown.
            auto *fieldWidget = window->findChild<QWidget *>(
                (field(s).kind == FieldKind::Edit ? u"text1_%1"_s : u"Combo1_%1"_s).arg(s));
            if (!fieldWidget || !fieldWidget->isVisible())
                continue;
            auto *caption = find<QLabel>(u"SkinLabel1_%1"_s.arg(s));
            ++fields;
            ASSERT_TRUE(caption->isVisible()) << s;
            EXPECT_EQ(caption->buddy(), fieldWidget) << s;
            EXPECT_EQ(accessibleName(fieldWidget), form().caption(s)) << s;
            EXPECT_FALSE(form().caption(s).isEmpty()) << s;
        }
    }
    EXPECT_EQ(fields, full() ? 12 + 19 + 4 : 12 + 19);
    showPage(Page::OwnShip);
    EXPECT_EQ(accessibleName(edit(slot::shipName)), u"船名:"_s);
    EXPECT_EQ(accessibleName(choice(slot::shipType)), u"船型:"_s); // not its current entry
    EXPECT_EQ(accessibleName(find<QComboBox>(u"Combo2"_s)), u"通讯口:"_s);
}

TEST_P(Accessibility, PicturesAndStatusPanelsSayWhatTheyAre)
{
    for (const char16_t *name : {u"Image1", u"Image4", u"Image5"}) {
        QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(find<QWidget>(QString::fromUtf16(name)));
        const std::string shown = QString::fromUtf16(name).toStdString();
        EXPECT_EQ(picture->role(), QAccessible::Graphic) << shown;
        EXPECT_FALSE(picture->text(QAccessible::Name).isEmpty()) << shown;
        EXPECT_FALSE(picture->text(QAccessible::Description).isEmpty()) << shown;
    }
    // A panel is read by its name even while it shows nothing.
    EXPECT_EQ(accessibleName(find<QLabel>(u"SBar1_Panel1"_s)), u"通讯口状态"_s);
    EXPECT_EQ(accessibleName(find<QLabel>(u"SBar1_Panel2"_s)), u"设置结果"_s);
    // The tabs are read by their captions.
    QAccessibleInterface *strip = QAccessible::queryAccessibleInterface(find<QTabBar>(u"Tab1_Bar"_s));
    int tabs = 0;
    for (int i = 0; i < strip->childCount(); ++i)
        tabs += strip->child(i)->role() == QAccessible::PageTab;
    EXPECT_EQ(tabs, pageCount());
    EXPECT_EQ(strip->child(0)->text(QAccessible::Name), u"本船资料设置"_s);
}

TEST_P(Accessibility, CtrlOOpensTheRecordsDialogAndShowsInItsMenuEntry)
{
    bool opened = false;
    test::whenModal<ui::RecordsWindow>([&](ui::RecordsWindow &dialog) {
        opened = true;
        dialog.reject();
    });
    press(Qt::Key_O);
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened; }));
    EXPECT_EQ(find<QAction>(u"t1"_s)->shortcut(), QKeySequence(u"Ctrl+O"_s)); // the menu shows it
}

TEST_P(Accessibility, CtrlTabAndCtrlPageKeysWalkTheTabsRound)
{
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        Page page; // after the step
    };
    const Page last = pageOnTab(pageCount() - 1);
    const Page beforeLast = pageOnTab(pageCount() - 2);
    const Step steps[] = {
        {Qt::Key_Tab, Qt::ControlModifier, Page::System},
        {Qt::Key_PageDown, Qt::ControlModifier, Page::Instructions},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, Page::System},
        {Qt::Key_PageUp, Qt::ControlModifier, Page::OwnShip},
        {Qt::Key_PageUp, Qt::ControlModifier, last},
        // Shift+Tab comes as Tab with Shift from an X keyboard.
        {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, beforeLast},
        {Qt::Key_Tab, Qt::ControlModifier, last},
        {Qt::Key_Tab, Qt::ControlModifier, Page::OwnShip},
    };
    auto *tabs = find<QTabWidget>(u"Tab1"_s);
    for (const Step &step : steps) {
        press(step.key, step.modifiers);
        EXPECT_EQ(selectedPage(), step.page) << step.key;
        EXPECT_EQ(tabs->currentIndex(), tabIndex(step.page)) << step.key;
    }
}

TEST_P(Accessibility, CtrlSPressesTheShownPagesWriteButtonAndCtrlRTheReadButton)
{
    struct Case {
        Page page;
        int key;
        const char16_t *button;
        bool fullOnly;
    };
    const Case cases[] = {
        {Page::OwnShip, Qt::Key_S, u"Command2_0", false},
        {Page::System, Qt::Key_S, u"Command2_1", false},
        {Page::Factory, Qt::Key_S, u"Command2_2", true},
        {Page::OwnShip, Qt::Key_R, u"Command2_3", true},
        {Page::System, Qt::Key_R, u"Command2_3", true},
    };
    for (const Case &c : cases) {
        if (c.fullOnly && !full())
            continue;
        // The window is active again after the last case's message box.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        showPage(c.page);
        auto *button = find<QPushButton>(QString::fromUtf16(c.button));
        int clicks = 0;
        const QMetaObject::Connection counted = QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
        // The write asks first (answered no) or refuses the empty form; the read
        // asks nothing, so no box is awaited for it.
        if (c.key == Qt::Key_S)
            test::whenModal<QMessageBox>([](QMessageBox &box) {
                QAbstractButton *no = box.button(QMessageBox::No);
                (no ? no : box.button(QMessageBox::Ok))->click();
            });
        press(c.key);
        EXPECT_TRUE(QTest::qWaitFor([&] { return clicks == 1; })) << QString::fromUtf16(c.button).toStdString();
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
        QObject::disconnect(counted);
        EXPECT_EQ(button->toolTip(), QKeySequence(c.key | Qt::CTRL).toString(QKeySequence::NativeText));
    }
    if (!full()) { // no read button: Ctrl+R does nothing (a shortcut presses its button at once)
        int reads = 0;
        QObject::connect(find<QPushButton>(u"Command2_3"_s), &QPushButton::pressed, [&] { ++reads; });
        press(Qt::Key_R);
        EXPECT_EQ(reads, 0);
    }
}

TEST_P(Accessibility, CtrlPFocusesThePortListAndF10OpensTheFirstShownMenu)
{
    press(Qt::Key_P);
    EXPECT_EQ(focused(), find<QComboBox>(u"Combo2"_s));

    press(Qt::Key_F10, Qt::NoModifier);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), full() ? u"窗口调整"_s : u"档案调用"_s);
    menu->close();
}

TEST_P(Accessibility, CtrlTwoAndCtrlOneSwitchTheWindowModeOnlyInTheInstallersEdition)
{
    const int standardHeight = window->height();
    press(Qt::Key_2);
    EXPECT_EQ(window->core().menu().isChecked(WindowMenu::DebugWindow), full());
    EXPECT_EQ(window->height() > standardHeight, full());
    press(Qt::Key_1);
    EXPECT_TRUE(window->core().menu().isChecked(WindowMenu::StandardWindow));
    EXPECT_EQ(window->height(), standardHeight);
}

// Tab, from the field the window starts in, comes round to every control shown.
std::set<QWidget *> reachedByTab()
{
    std::set<QWidget *> reached;
    for (int i = 0; i < 200; ++i) {
        QWidget *now = QApplication::focusWidget();
        if (!now || !reached.insert(now).second)
            break;
        QTest::keyClick(now, Qt::Key_Tab);
        QApplication::processEvents();
    }
    return reached;
}

std::string notReached(QWidget &window, const std::set<QWidget *> &reached)
{
    QStringList missing;
    for (QWidget *w : window.findChildren<QWidget *>())
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() &&
            !reached.count(w))
            missing.append(u"%1 (%2)"_s.arg(w->objectName(), QString::fromLatin1(w->metaObject()->className())));
    return missing.join(u'\n').toStdString();
}

TEST_P(Accessibility, TabReachesEveryControlShownOnThePagesAndInTheConsole)
{
    for (Page page : {Page::OwnShip, Page::System}) {
        showPage(page);
        EXPECT_EQ(notReached(*window, reachedByTab()), "") << "page " << tabIndex(page);
    }
    if (full()) {
        debugMode();
        showPage(Page::OwnShip);
        EXPECT_EQ(notReached(*window, reachedByTab()), "") << "debug window";
    }
}

// Pixels that differ by a step the eye sees, not by a shade (a focus frame
// drawn in the colour it stands on changes a few pixels by a few levels).
int clearlyChangedPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            const int step = std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                       std::abs(p.blue() - q.blue())});
            changed += step >= 64;
        }
    return changed;
}

// A widget drawn with the keyboard focus differs clearly from itself without
// it: at least a frame's worth of pixels.
bool showsFocus(QWidget *w, QWidget *elsewhere)
{
    w->setFocus(Qt::TabFocusReason);
    w->window()->setAttribute(Qt::WA_KeyboardFocusChange); // as the Tab key leaves it
    QApplication::processEvents();
    const QImage focusedLook = w->grab().toImage();
    if (qEnvironmentVariableIsSet("AISSET_FOCUS_PICTURES"))
        (void)focusedLook.save(u"/tmp/focus-%1.png"_s.arg(w->objectName()));
    elsewhere->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    return clearlyChangedPixels(w->grab().toImage(), focusedLook) >= 40;
}

TEST_P(Accessibility, TheGreenSkinShowsTheFocusOnEveryKindOfControl)
{
    if (full())
        debugMode();
    showPage(Page::OwnShip);
    QWidget *elsewhere = find<QCheckBox>(u"Check1"_s);
    QStringList hidden;
    std::vector<QWidget *> controls{edit(slot::mmsi), choice(slot::shipType), find<QPushButton>(u"Command2_0"_s),
                                    find<QTabBar>(u"Tab1_Bar"_s), find<QComboBox>(u"Combo2"_s)};
    if (full())
        for (const char16_t *name : {u"List3", u"Text2", u"Text6", u"Command1_0"})
            controls.push_back(find<QWidget>(QString::fromUtf16(name)));
    for (QWidget *w : controls)
        if (!showsFocus(w, elsewhere))
            hidden.append(w->objectName());
    if (!showsFocus(elsewhere, edit(slot::mmsi)))
        hidden.append(elsewhere->objectName());
    test::whenModal<ui::RecordsWindow>([&](ui::RecordsWindow &dialog) {
        ASSERT_TRUE(ui::applySkin(dialog, sysDir + u"green.skn"_s));
        auto *list = dialog.findChild<QWidget *>(u"List1"_s);
        auto *load = dialog.findChild<QWidget *>(u"Command1"_s);
        std::vector<std::pair<QWidget *, QWidget *>> inDialog{{list, load}, {load, list}};
        if (auto *history = dialog.findChild<QWidget *>(u"HistoryTable"_s))
            inDialog.emplace_back(history, list);
        for (auto [w, other] : inDialog)
            if (!showsFocus(w, other))
                hidden.append(w->objectName());
        dialog.reject();
    });
    window->recordsWindow().openModal();
    EXPECT_EQ(hidden.join(u' ').toStdString(), "");
}

} // namespace
