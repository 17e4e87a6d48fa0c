#include "ui/widgets/MainWindow.h"

#include "link/PortChoice.h"
#include "startup/StartupMarks.h"
#include "ui/core/Pages.h"
#include "ui/text/Catalogue.h"
#include "ui/text/Language.h"
#include "ui/widgets/AccessibleNames.h"
#include "ui/widgets/ChoiceBox.h"
#include "ui/widgets/ConsoleWidgets.h"
#include "ui/widgets/FirstPaint.h"
#include "ui/widgets/KeyboardShortcuts.h"
#include "ui/widgets/MaskedEdit.h"
#include "ui/widgets/MenuActions.h"
#include "ui/widgets/PageWidgets.h"
#include "ui/widgets/PortBox.h"
#include "ui/widgets/RecordsWindow.h"
#include "ui/widgets/ReportAction.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/widgets/Skin.h"
#include "ui/widgets/TabStops.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

// The window's pictures and skin live in the resources of this static library.
static void initUiResources() { Q_INIT_RESOURCE(resources); }

namespace aisset::ui {

namespace {

// The colour the tab strip's pane paints behind the pages' widgets, under the
// present skin.
QColor paneColour(QTabWidget &tabs)
{
    constexpr int kProbe = 16;
    QImage probe(kProbe, kProbe, QImage::Format_ARGB32_Premultiplied);
    probe.fill(Qt::transparent);
    QStyleOptionTabWidgetFrame pane;
    pane.initFrom(&tabs);
    pane.rect = QRect(-kProbe, -kProbe, 3 * kProbe, 3 * kProbe); // its border outside the probe
    QPainter painter(&probe);
    tabs.style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &painter, &tabs);
    return probe.pixelColor(kProbe / 2, kProbe / 2);
}

// The simplified edition says so in its title.
QString titleOf(Edition edition)
{
    const QString title = text::translate("Window", "CorvelAIS船舶避碰系统(参数设置)");
    return edition == Edition::Full ? title : title + text::translate("Window", "(简)");
}

// The window heights of the layout count the title bar and the frame; the Qt
// window's own height starts below them.
constexpr int kFrameTwips = 450;
constexpr int kTabStripMargin = 60;
constexpr int kPortChoiceWidth = 1500;
constexpr int kStatusLabelLefts[2] = {120, 4080};
constexpr int kStatusLabelOffset = 100; // below the status bar's top

} // namespace

MainWindow::MainWindow(ProfileStore &store, const QString &sysDir, LinkSession::Options link, Edition edition,
                       QWidget *parent)
    : QMainWindow(parent), core_(*this, {store, std::move(link), sysDir, edition}), twips_(Twips::forScreen())
{
    startup::mark("window core");
    initUiResources();
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("main1"));
    setWindowTitle(titleOf(edition));
    setWindowIcon(QIcon(QStringLiteral(":/aisset.svg")));
    // The start skin before any child exists: a child made under a styled window
    // takes the style as it is made, while styling a finished window restyles
    // every child again (and has every choice list build its popup for it).
    (void)applySkin(*this, core_.menu().startSkin());
    startup::mark("skin style sheet");

    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("PageArea"));
    setCentralWidget(area);
    tabs_ = new QTabWidget(area); // first, so that the fields stand on top of it
    // The start page's picture is drawn on a second thread meanwhile, over the
    // pane's colour when the skin paints it plain.
    pages_ = std::make_unique<PageWidgets>(core_, area, twips_, paneColour(*tabs_));
    startup::mark("pages' fields, lists, pictures");
    createTabs();
    startup::mark("tab strip");
    // The debug window's console, made when first shown, goes after the pages in the Tab chain.
    consoleTabPlace_ = previousTabStop(this);
    area->installEventFilter(this); // the tab strip follows the area's size
    createStatusBar();
    createPortChoice();
    startup::mark("status bar, port list");
    createSearchProgress();
    startup::mark("search progress");
    createMenus();
    startup::mark("menus");
    addWindowShortcuts(*this, *tabs_, *portChoice_);
    nameWidgets(*this);
    bindCore();
    applyWindowHeight();
    startup::mark("names, bindings");
}

MainWindow::~MainWindow() = default;

void MainWindow::createTabs()
{
    tabs_->setObjectName(QStringLiteral("Tab1"));
    tabs_->tabBar()->setObjectName(QStringLiteral("Tab1_Bar"));
    for (int i = 0; i < core_.layout().pageCount(); ++i) {
        const PageRow &page = pageAtTab(i);
        const int index = tabs_->addTab(new QWidget, text::translate("Page", page.tabCaption));
        tabs_->tabBar()->setTabData(index, QString::fromUtf16(page.tabKey));
    }

    // A click runs the tab handler, also on the tab already selected; a change
    // of tab by keyboard comes as a change of the current tab only.
    connect(tabs_->tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0)
            core_.tabClicked(pageAtTab(index).page);
    });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (!followingCore_ && index >= 0 && pageAtTab(index).page != core_.layout().selectedPage())
            core_.tabClicked(pageAtTab(index).page);
    });
}

// The port choice stands at the window's bottom, at the right of the status bar,
// after the check box "格开", on which no operation depends.
void MainWindow::createPortChoice()
{
    auto *check = new QCheckBox(text::translate("Window", "格开"), this);
    check->setObjectName(QStringLiteral("Check1"));
    statusBar()->addPermanentWidget(check);
    auto *label = new QLabel(text::translate("Window", "通讯口:"), this);
    label->setObjectName(QStringLiteral("SkinLabel7"));
    portChoice_ = new PortBox(this);
    portChoice_->setObjectName(QStringLiteral("Combo2"));
    portChoice_->addItems(PortChoice::entries());
    portChoice_->setFixedWidth(twips_.px(kPortChoiceWidth));
    labelField(*label, *portChoice_);
    statusBar()->addPermanentWidget(label);
    statusBar()->addPermanentWidget(portChoice_);
    // Any entry the user chooses runs the choice, the current one too: choosing
    // it again reopens a port that was lost.
    connect(portChoice_, &QComboBox::activated, this, [this](int index) {
        if (!followingCore_)
            core_.portChosen(index);
    });
    connect(&core_.link().ports(), &PortChoice::currentIndexChanged, this, [this](int index) {
        followingCore_ = true;
        portChoice_->setCurrentIndex(index);
        followingCore_ = false;
    });
}

void MainWindow::createStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("SBar1"));
    for (int i = 0; i < 2; ++i) {
        statusPanels_[i] = new QLabel(this);
        statusPanels_[i]->setObjectName(QStringLiteral("SBar1_Panel%1").arg(i + 1));
        statusBar()->addWidget(statusPanels_[i], 1);
        statusLabels_[i] = new QLabel(this);
        statusLabels_[i]->setObjectName(QStringLiteral("SkinLabel2_%1").arg(i));
        statusLabels_[i]->hide();
    }
}

// "查找设备" shows its progress and a cancel button in the status bar while it
// runs; the window stays usable meanwhile.
void MainWindow::createSearchProgress()
{
    auto *bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("SearchProgress"));
    bar->setFormat(text::translate("Window", "查找设备 %v/%m"));
    auto *cancel = new QPushButton(text::translate("Window", "取消"), this);
    cancel->setObjectName(QStringLiteral("SearchCancel"));
    // After the two panels, before "格开"; no taller than the port choice, so
    // that the status bar keeps its height (it takes that of its tallest
    // widget, shown or not).
    for (QWidget *w : std::initializer_list<QWidget *>{bar, cancel}) {
        w->setFixedHeight(portChoice_->sizeHint().height());
        statusBar()->addWidget(w);
        w->hide();
    }
    DeviceSearch &search = core_.deviceSearch();
    connect(cancel, &QPushButton::clicked, &search, &DeviceSearch::cancel);
    connect(&search, &DeviceSearch::runningChanged, this, [bar, cancel](bool running) {
        bar->setRange(0, 1);
        bar->setValue(0);
        bar->setVisible(running);
        cancel->setVisible(running);
    });
    connect(&search, &DeviceSearch::progress, this, [bar](int index, int count, int number) {
        bar->setRange(0, count);
        bar->setValue(index + 1);
        bar->setToolTip(text::translate("Window", "通讯口%1").arg(number));
    });
}

void MainWindow::createMenus()
{
    openRecords_ = [this] { recordsWindow().openModal(); };
    menus_ = std::make_unique<MenuActions>(core_.menu(), *menuBar(), [this] {
        if (openRecords_)
            openRecords_();
    });
    if (core_.layout().isFullEdition())
        new ReportAction(core_, *this, *menuBar()); // owned by the window
    core_.menu().setScreenHeight([this] { return screenHeightTwips(); });
    connect(&core_.menu(), &WindowMenu::skinChosen, this,
            [this](const QString &path) { (void)applySkin(*this, path); });
}

void MainWindow::bindCore()
{
    Form &form = core_.form();
    connect(&form, &Form::enabledChanged, this, &MainWindow::followEnabledState);
    connect(&form, &Form::statusChanged, this, &MainWindow::showStatus);
    connect(&core_.layout(), &WindowLayout::changed, this, [this](WindowLayout::Element element, int index) {
        using enum WindowLayout::Element;
        if (element == WindowHeight) {
            applyWindowHeight();
        } else if (element == WindowTop) {
            applyWindowTop();
        } else if (element == ConsoleFrame) {
            if (!console_ && core_.layout().consoleFrame(index).visible)
                makeConsole();
            placeTabs();
        } else if (element == Page) {
            followingCore_ = true;
            tabs_->setCurrentIndex(tabIndex(core_.layout().selectedPage()));
            followingCore_ = false;
        } else if (element == StatusLabels) {
            for (QLabel *label : statusLabels_)
                label->setVisible(core_.layout().statusLabelsVisible());
        }
    });
}

void MainWindow::applyWindowHeight()
{
    setFixedSize(twips_.px(WindowLayout::kWindowWidth), twips_.px(core_.layout().windowHeight() - kFrameTwips));
    // The status labels stand on the status bar, wherever the height put it.
    const int top = height() - statusBar()->sizeHint().height() + twips_.px(kStatusLabelOffset);
    for (int i = 0; i < 2; ++i) {
        statusLabels_[i]->move(twips_.px(kStatusLabelLefts[i]), top);
        statusLabels_[i]->raise();
    }
}

// The debug window's console is made when that mode first shows it. Its widgets
// take the place in the Tab chain they would have had if made with the pages:
// after the pages' widgets, before the status bar's.
void MainWindow::makeConsole()
{
    QWidget *const chainEnd = previousInFocusChain();
    console_ = std::make_unique<ConsoleWidgets>(core_, centralWidget(), twips_);
    // Qt orders only widgets that take the focus; the rest are passed over by Tab.
    QList<QWidget *> stops;
    for (QWidget *w = chainEnd->nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus)
            stops.append(w);
    QWidget *previous = consoleTabPlace_;
    for (QWidget *w : stops) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }
    nameWidgets(*this);
}

// Centred on a screen lower than the window, the top would go above the screen.
void MainWindow::applyWindowTop()
{
    const QRect wanted(QPoint(x(), twips_.px(core_.layout().windowTop())), frameGeometry().size());
    const QScreen *shown = screen();
    move(shown ? keptOnScreen(wanted, shown->availableGeometry()) : wanted.topLeft());
}

// The tab strip fills the area; in the debug mode it ends above the console.
void MainWindow::placeTabs()
{
    const QWidget *area = centralWidget();
    const int margin = twips_.px(kTabStripMargin);
    int bottom = area->height() - margin;
    const Placement &console = core_.layout().consoleFrame(0);
    if (console.visible)
        bottom = std::min(bottom, twips_.px(console.top - kTabStripMargin));
    tabs_->setGeometry(margin, 0, area->width() - 2 * margin, bottom);
}

int MainWindow::screenHeightTwips() const
{
    const QScreen *shown = screen();
    return shown ? twips_.twips(shown->geometry().height()) : 0;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        placeTabs();
    return QMainWindow::eventFilter(watched, event);
}

// Form_Unload: the port closes and the records dialog unloads; the application
// ends with its last window.
void MainWindow::closeEvent(QCloseEvent *event)
{
    core_.formUnload();
    if (records_)
        records_->hide();
    QMainWindow::closeEvent(event);
}

// The records dialog is made when it is first opened: the start does not pay
// for a window it does not show.
RecordsWindow &MainWindow::recordsWindow()
{
    if (!records_)
        records_ = std::make_unique<RecordsWindow>(core_, *this, twips_);
    return *records_;
}

QString MainWindow::words(Message message) const { return catalogue::text(message); }

void MainWindow::showStatus()
{
    const QString texts[2] = {catalogue::text(core_.form().connectionStatus()),
                              catalogue::transactionPanel(core_.form())};
    for (int i = 0; i < 2; ++i) {
        statusPanels_[i]->setText(texts[i]);
        statusLabels_[i]->setText(texts[i]);
        statusLabels_[i]->adjustSize();
    }
}

// Disabling the window takes the input focus from its field; when the window
// is enabled again the field gets it back, as after a switch to another window
// and back: no entering of the field, no entry rule.
void MainWindow::followEnabledState(bool enabled)
{
    if (!enabled) {
        focusBeforeDisable_ = QApplication::focusWidget();
        setEnabled(false);
        return;
    }
    setEnabled(true);
    QWidget *field = focusBeforeDisable_.data();
    focusBeforeDisable_.clear();
    if (field && field->window() == this && !QApplication::focusWidget() && field->isVisible())
        field->setFocus(Qt::ActiveWindowFocusReason);
}

void MainWindow::load()
{
    core_.formLoad([this] { show(); },
                   [this](std::function<void()> step) { runAfterFirstPaint(*this, std::move(step)); });
}

void MainWindow::showMessage(const QString &text, const QString &title)
{
    showBox(QMessageBox::Information, text, title);
}

void MainWindow::showWarning(const QString &text, const QString &title) { showBox(QMessageBox::Warning, text, title); }

void MainWindow::showBox(QMessageBox::Icon icon, const QString &text, const QString &title)
{
    QMessageBox box(icon, text::translate("Window", title), text, QMessageBox::Ok, this);
    box.setEnabled(true); // a running procedure may hold the window disabled
    box.exec();
}

bool MainWindow::askYesNo(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, text::translate("Window", title), text, QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setEnabled(true);
    return box.exec() != QMessageBox::No;
}

void MainWindow::processEvents() { QCoreApplication::processEvents(); }

void MainWindow::moveFocus(FieldKind kind, int slot)
{
    QWidget *target = nullptr;
    FieldEntry *entry = nullptr;
    if (kind == FieldKind::Choice) {
        target = pages_->choice(slot);
        entry = pages_->choice(slot);
    } else {
        target = pages_->edit(slot);
        entry = pages_->edit(slot);
    }
    if (!target)
        return; // the slot's field is of the other kind
    // A field that is not shown, or a window that is not, takes no focus; the
    // field that has it already is not entered again.
    if (!target->isVisible() || !target->isEnabled() || target->hasFocus())
        return;
    if (expectedEntry_ && expectedEntry_ != entry)
        expectedEntry_->cancelEntry(); // its focus never came: a later one is no entering
    entry->expectEntry();
    expectedEntry_ = entry;
    target->setFocus(Qt::OtherFocusReason);
}

} // namespace aisset::ui
