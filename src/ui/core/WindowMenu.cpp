#include "ui/core/WindowMenu.h"

#include "link/Transactions.h"
#include "model/Form.h"
#include "store/ProfileRecords.h"
#include "trace/TraceFile.h"
#include "ui/core/Skins.h"
#include "ui/core/WindowLayout.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace aisset {

namespace {

using enum WindowMenu::Menu;

std::array<WindowMenu::Entry, WindowMenu::kItemCount> makeEntries()
{
    std::array<WindowMenu::Entry, WindowMenu::kItemCount> entries{{
        {QStringLiteral("wt1"), QStringLiteral(QT_TRANSLATE_NOOP("Menu", "标准窗口")), Tools, true},
        {QStringLiteral("wt2"), QStringLiteral(QT_TRANSLATE_NOOP("Menu", "调试窗口")), Tools, true},
        {QStringLiteral("t3d"), QStringLiteral(QT_TRANSLATE_NOOP("Menu", "显示参数")), Tools, true},
        {QStringLiteral("jid"), QStringLiteral(QT_TRANSLATE_NOOP("Menu", "不循环设置")), Tools, true},
        {QStringLiteral("finddev"), QStringLiteral(QT_TRANSLATE_NOOP("Menu", "查找设备")), Tools, false},
        {QStringLiteral("trace"), QStringLiteral(QT_TRANSLATE_NOOP("Menu", "通讯记录")), Tools, true},
        {QStringLiteral("t1"), QStringLiteral(QT_TRANSLATE_NOOP("Menu", "调入船资料")), Records, false},
        {QStringLiteral("s2"), QStringLiteral(QT_TRANSLATE_NOOP("Menu", "不加载")), Skins, true},
    }};
    for (int i = 0; i < WindowMenu::kSkinCount; ++i)
        entries[std::size_t(WindowMenu::SkinFirst + i)] = {
            QStringLiteral("s1_%1").arg(i), QString::fromUtf16(skinFileNames()[std::size_t(i)]), Skins, true};
    return entries;
}

} // namespace

const std::array<WindowMenu::TopMenu, 3> &WindowMenu::topMenus()
{
    static const std::array<TopMenu, 3> kMenus{{
        {QStringLiteral("tools"), QStringLiteral(QT_TRANSLATE_NOOP("Menu", "窗口调整")), false},
        {QStringLiteral("tt"), QStringLiteral(QT_TRANSLATE_NOOP("Menu", "档案调用")), true},
        {QStringLiteral("showall"), QStringLiteral(QT_TRANSLATE_NOOP("Menu", "加载模板")), false},
    }};
    return kMenus;
}

const WindowMenu::Entry &WindowMenu::entry(int item)
{
    static const std::array<Entry, kItemCount> kEntries = makeEntries();
    return kEntries.at(std::size_t(item));
}

WindowMenu::WindowMenu(Form &form, WindowLayout &layout, Transactions &transactions, ProfileRecords &records,
                       QString skinDir, QObject *parent)
    : QObject(parent), form_(form), layout_(layout), transactions_(transactions), records_(records),
      skinDir_(std::move(skinDir))
{
    checked_[StandardWindow] = true;
}

bool WindowMenu::isMenuShown(int menu) const
{
    return topMenus().at(std::size_t(menu)).shown || layout_.isFullEdition();
}

bool WindowMenu::isEnabled(int item) const
{
    if (!layout_.isFullEdition() || item < SkinFirst || item >= kItemCount)
        return true;
    return !findSkinFile(skinDir_ + entry(item).caption).isEmpty();
}

bool WindowMenu::isChecked(int item) const
{
    if (item == NoRepeat)
        return transactions_.noRepeat();
    if (item == TraceLine)
        return TraceFile::isRunning();
    return checked_.at(std::size_t(item));
}

void WindowMenu::setNoRepeat(bool on)
{
    if (transactions_.noRepeat() == on)
        return;
    transactions_.setNoRepeat(on);
    emit checkedChanged(NoRepeat);
}

void WindowMenu::setChecked(int item, bool on)
{
    bool &mark = checked_.at(std::size_t(item));
    if (mark == on)
        return;
    mark = on;
    emit checkedChanged(item);
}

QString WindowMenu::startSkin() const { return startSkinPath(skinDir_); }

void WindowMenu::trigger(int item)
{
    switch (item) {
    case StandardWindow: standardWindow(); break;
    case DebugWindow: debugWindow(); break;
    case ShowParameters: showParameters(); break;
    case NoSkin: chooseNoSkin(); break;
    case FindDevice: emit findDeviceRequested(); break;
    case TraceLine: toggleTrace(); break;
    default:
        if (item >= SkinFirst && item < kItemCount)
            chooseSkin(item - SkinFirst);
        break;
    }
}

void WindowMenu::standardWindow()
{
    if (!form_.isEnabled())
        return;
    setChecked(StandardWindow, true);
    setChecked(DebugWindow, false);
    for (int f = 0; f < WindowLayout::kConsoleFrameCount; ++f)
        layout_.showConsoleFrame(f, false);
    layout_.setWindowHeight(WindowLayout::kStandardHeight);
    centreVertically();
}

void WindowMenu::debugWindow()
{
    if (!form_.isEnabled())
        return;
    setChecked(DebugWindow, true);
    setChecked(StandardWindow, false);
    layout_.setWindowHeight(WindowLayout::kDebugHeight);
    for (int f = 0; f < WindowLayout::kConsoleFrameCount; ++f) {
        Placement frame = layout_.consoleFrame(f);
        frame.visible = true;
        frame.top = WindowLayout::kConsoleTop;
        layout_.setConsoleFrame(f, frame);
    }
    centreVertically();
}

// Nothing hides the status labels again.
void WindowMenu::showParameters() { layout_.setStatusLabelsVisible(true); }

void WindowMenu::uncheckSkins()
{
    setChecked(NoSkin, false);
    for (int i = 0; i < kSkinCount; ++i)
        setChecked(SkinFirst + i, false);
}

// The check marks and the stored choice change even when the file cannot be
// loaded; the window then keeps its look.
void WindowMenu::chooseSkin(int index)
{
    if (!form_.isEnabled())
        return;
    form_.setEnabled(false);
    uncheckSkins();
    setChecked(SkinFirst + index, true);
    const QString path = skinDir_ + entry(SkinFirst + index).caption;
    emit skinChosen(path);
    // The skin choice is a preference: a store that cannot take it keeps the old one.
    (void)records_.saveSkin(path);
    form_.setEnabled(true);
}

void WindowMenu::chooseNoSkin()
{
    if (!form_.isEnabled())
        return;
    emit skinChosen(QString());
    (void)records_.saveSkin(QStringLiteral("no")); // a preference, as above
    uncheckSkins();
    setChecked(NoSkin, true);
    form_.setEnabled(true);
}

QString WindowMenu::newTracePath() const
{
    return skinDir_ + QDateTime::currentDateTime().toString(u"'trace-'yyyyMMdd-HHmmss'.txt'"_s);
}

void WindowMenu::toggleTrace()
{
    if (TraceFile::isRunning()) {
        const QString path = TraceFile::path();
        TraceFile::stop();
        emit checkedChanged(TraceLine);
        emit traceStopped(path);
        return;
    }
    const QString error = TraceFile::start(newTracePath());
    emit checkedChanged(TraceLine);
    if (!error.isEmpty())
        emit traceFailed(error);
}

void WindowMenu::centreVertically()
{
    if (screenHeight_)
        layout_.setWindowTop((screenHeight_() - layout_.windowHeight()) / 2);
}

} // namespace aisset
