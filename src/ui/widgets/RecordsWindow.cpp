#include "ui/widgets/RecordsWindow.h"

#include "report/HistoryWords.h"
#include "ui/core/MainCore.h"
#include "ui/text/Language.h"
#include "ui/widgets/AccessibleNames.h"
#include "ui/widgets/HistoryTable.h"
#include "ui/widgets/RecordNamesModel.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/widgets/Skin.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace aisset::ui {

namespace {
constexpr int kClientWidth = 3285, kClientHeight = 3990;
// The installer's edition shows the selected ship's history to the right.
constexpr int kHistoryLeft = 3285, kHistoryWidth = 7200;

int selectedRow(const QListView &list)
{
    const QModelIndexList selected = list.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}
} // namespace

RecordsWindow::RecordsWindow(MainCore &core, QWidget &mainWindow, const Twips &twips)
    : core_(core), mainWindow_(mainWindow), twips_(twips)
{
    setObjectName(QStringLiteral("dunote"));
    setWindowTitle(text::translate("Records", "读取以往录入数据"));
    setWindowModality(Qt::ApplicationModal);
    const bool full = core_.layout().isFullEdition();
    setFixedSize(twips_.px(kClientWidth + (full ? kHistoryWidth : 0)), twips_.px(kClientHeight));
    createControls();
}

void RecordsWindow::createControls()
{
    auto *label = new QLabel(QStringLiteral("MMSI:"), this);
    label->setObjectName(QStringLiteral("SkinLabel1"));
    label->setGeometry(twips_.rect(120, 120, 2175, 255));

    // A view over the names, not a widget item per ship: the store may list
    // 100,000 ships, and every entry is one line of the same height.
    entries_ = new RecordNamesModel(this);
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setGeometry(twips_.rect(120, 360, 3015, 2940));
    list_->setModel(entries_);
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    labelField(*label, *list_);

    auto *clear = new QPushButton(text::translate("Records", "清空注册数据"), this);
    clear->setObjectName(QStringLiteral("Command2"));
    clear->setGeometry(twips_.rect(120, 3480, 1335, 375));
    auto *load = new QPushButton(text::translate("Records", "开始载入数据"), this);
    load->setObjectName(QStringLiteral("Command1"));
    load->setGeometry(twips_.rect(1800, 3480, 1335, 375));
    for (QPushButton *button : {clear, load})
        button->setAutoDefault(false);

    RecordsDialog &dialog = core_.recordsDialog();
    // The selected entry, not the current one: the list makes its first entry
    // current when it takes the focus, which selects nothing.
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, &dialog] {
        if (!followingCore_)
            dialog.select(selectedRow(*list_));
        showHistory(selectedRow(*list_));
    });
    if (core_.layout().isFullEdition()) {
        CompanySync *company = core_.company();
        history_ = new HistoryTable(company != nullptr, this);
        // With a company database a line under the table says when it cannot be read.
        history_->setGeometry(twips_.rect(kHistoryLeft, 360, kHistoryWidth - 120, company ? 3135 : 3495));
        if (company) {
            companyNote_ = new QLabel(this);
            companyNote_->setGeometry(twips_.rect(kHistoryLeft, 3540, kHistoryWidth - 120, 300));
            connect(company, &CompanySync::companyEntries, this,
                    [this](const QString &mmsi, const QList<HistoryEntry> &entries, bool ok) {
                        if (mmsi != shownMmsi_)
                            return; // another ship was selected since
                        companyNote_->setText(ok ? QString() : historyWords::companyUnreadable());
                        if (ok)
                            history_->showEntries(mergedHistory(shownLocal_, entries));
                    });
        }
    }
    nameWidgets(*this);
    connect(list_, &QListView::doubleClicked, this, [this] {
        core_.recordDoubleClicked();
        followCore();
    });
    connect(load, &QPushButton::clicked, this, [this] {
        core_.loadSelectedRecord();
        followCore();
    });
    connect(clear, &QPushButton::clicked, this, [this, &dialog] {
        (void)dialog.clearList(); // the dialog unloads either way
        followCore();
    });
}

void RecordsWindow::openModal()
{
    RecordsDialog &dialog = core_.recordsDialog();
    const bool loading = !dialog.isLoaded();
    dialog.open();
    if (loading) {
        // A freshly loaded dialog wears only the skin it reads from the store.
        setStyleSheet(QString());
        if (!dialog.skinPath().isEmpty())
            (void)applySkin(*this, dialog.skinPath());
    }
    showEntries();
    // Centred over the main window, and kept above it by the window manager.
    winId();
    if (QWindow *own = windowHandle())
        own->setTransientParent(mainWindow_.windowHandle());
    QRect client = rect();
    client.moveCenter(mainWindow_.geometry().center());
    if (const QScreen *shown = mainWindow_.screen())
        client = innerKeptOnScreen(client, frameMargins(), shown->availableGeometry());
    setGeometry(client);
    exec();
}

// The title bar and borders around the inner area. Before its first showing the
// dialog has no frame yet: the main window's, from the same window manager, stands in.
QMargins RecordsWindow::frameMargins() const
{
    const QWidget &framed = frameGeometry() != geometry() ? static_cast<const QWidget &>(*this) : mainWindow_;
    const QRect outer = framed.frameGeometry();
    const QRect inner = framed.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void RecordsWindow::showEntries()
{
    const RecordsDialog &dialog = core_.recordsDialog();
    followingCore_ = true;
    entries_->setNames(dialog.entries()); // shares the names' text
    if (dialog.selected() >= 0)
        list_->setCurrentIndex(entries_->index(dialog.selected()));
    followingCore_ = false;
    showHistory(dialog.selected());
}

void RecordsWindow::showHistory(int row)
{
    if (!history_)
        return;
    const RecordNames &names = core_.recordsDialog().entries();
    const QString mmsi = row >= 0 && row < names.size() ? names.at(row) : QString();
    // This machine's entries at once; the company's join them when the server answers.
    shownMmsi_ = mmsi;
    shownLocal_ =
        mmsi.isEmpty() ? QList<HistoryEntry>{} : core_.history().entries({mmsi, {}}).value_or(QList<HistoryEntry>{});
    history_->showEntries(shownLocal_);
    if (CompanySync *company = core_.company(); company && !mmsi.isEmpty())
        company->fetch(mmsi);
}

// The core hid or unloaded the dialog: the modal display ends.
void RecordsWindow::followCore()
{
    if (!core_.recordsDialog().isVisible())
        done(QDialog::Accepted);
}

void RecordsWindow::reject()
{
    core_.recordsDialog().close();
    QDialog::reject();
}

} // namespace aisset::ui
