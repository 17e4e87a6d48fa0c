// The window in the display language AISSET_TEST_LANG names ("zh" or "en"), at
// the scale QT_SCALE_FACTOR sets (ctest runs each pair): every caption, button,
// tab and list entry fits its place, and in a translation no Chinese is left in
// any text the window shows or says.
#include "Modal.h"
#include "WindowFixture.h"
#include "model/ChoiceTables.h"
#include "model/Message.h"
#include "ui/core/PageTable.h"
#include "store/RecordSaver.h"
#include "ui/widgets/RecordsWindow.h"

#include <QDirIterator>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTabBar>

using namespace Qt::StringLiterals;

namespace aisset {
namespace {

bool isTranslation() { return text::currentLanguage() != QString::fromUtf16(text::kSourceLanguage); }

bool hasChinese(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000 && c.unicode() < 0xA000; });
}

QString where(const QWidget &w) { return w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className()) : w.objectName(); }

// Every text a widget tree shows or names for a screen reader, with where it stands.
QStringList shownTexts(const QWidget &root)
{
    QStringList out;
    const auto add = [&out](const QString &place, const QString &text) {
        if (!text.isEmpty())
            out.append(place + u": "_s + text);
    };
    QList<const QWidget *> widgets{&root};
    for (const QWidget *w : root.findChildren<QWidget *>())
        widgets.append(w);
    for (const QWidget *w : widgets) {
        const QString place = where(*w);
        add(place, w->windowTitle());
        add(place, w->toolTip());
        add(place, w->accessibleName());
        add(place, w->accessibleDescription());
        if (auto *label = qobject_cast<const QLabel *>(w))
            add(place, label->text());
        if (auto *button = qobject_cast<const QAbstractButton *>(w))
            add(place, button->text());
        if (auto *box = qobject_cast<const QGroupBox *>(w))
            add(place, box->title());
        if (auto *tabs = qobject_cast<const QTabBar *>(w))
            for (int i = 0; i < tabs->count(); ++i) {
                add(place, tabs->tabText(i));
                add(place, tabs->tabToolTip(i));
            }
        if (auto *combo = qobject_cast<const QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                add(place, combo->itemText(i));
        for (const QAction *action : w->actions()) {
            add(place, action->text());
            add(place, action->toolTip());
        }
        if (auto *menu = qobject_cast<const QMenu *>(w))
            add(place, menu->title());
    }
    return out;
}

// What a text needs beyond the room its widget gives it, or nothing when it fits.
std::string clipped(const QWidget &root)
{
    QStringList out;
    const auto check = [&out](const QWidget &w, const QString &text, int need, int room) {
        if (need > room)
            out.append(u"%1 \"%2\": needs %3 px, has %4"_s.arg(where(w), text).arg(need).arg(room));
    };
    for (const QWidget *w : root.findChildren<QWidget *>()) {
        if (!w->isVisibleTo(&root))
            continue;
        const QFontMetrics metrics = w->fontMetrics();
        if (auto *label = qobject_cast<const QLabel *>(w); label && !label->text().isEmpty()) {
            check(*label, label->text(), label->sizeHint().width(), label->width());
            // A caption beside the field it names may not run under it.
            const QWidget *buddy = label->buddy();
            if (buddy && buddy->isVisibleTo(&root) && buddy->x() > label->x() &&
                buddy->geometry().top() <= label->geometry().center().y() &&
                label->geometry().center().y() <= buddy->geometry().bottom())
                check(*label, label->text(), label->x() + label->sizeHint().width(), buddy->x());
        } else if (auto *check_ = qobject_cast<const QCheckBox *>(w)) {
            check(*check_, check_->text(), check_->sizeHint().width(), check_->width());
        } else if (auto *button = qobject_cast<const QPushButton *>(w); button && !button->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            check(*button, button->text(), metrics.horizontalAdvance(button->text()), contents.width());
        } else if (auto *tabs = qobject_cast<const QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(*tabs, tabs->tabText(i), metrics.horizontalAdvance(tabs->tabText(i)), tabs->tabRect(i).width());
        } else if (auto *combo = qobject_cast<const QComboBox *>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const int room = combo->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                                 .width();
            for (int i = 0; i < combo->count(); ++i)
                check(*combo, combo->itemText(i), metrics.horizontalAdvance(combo->itemText(i)), room);
        }
    }
    return out.join(u'\n').toStdString();
}

class ShownTexts : public test::WindowTest, public ::testing::WithParamInterface<Edition> {
protected:
    // The language is the one main() chose for the whole run.
    static void SetUpTestSuite() {}
    void SetUp() override { startWindow(QString(), GetParam()); }
    bool full() const { return GetParam() == Edition::Full; }

    // Calls look on every page in turn, shown, and in the installer's edition on
    // the debug window's pages too.
    void onEveryPage(const std::function<void(const QString &)> &look)
    {
        const auto everyTab = [&](const QString &mode) {
            for (int tab = 0; tab < window->core().layout().pageCount(); ++tab) {
                window->core().tabClicked(pageAtTab(tab).page);
                QApplication::processEvents();
                look(mode + u" tab "_s + QString::number(tab));
            }
        };
        everyTab(u"window"_s);
        if (full()) {
            window->core().menu().trigger(WindowMenu::DebugWindow);
            QApplication::processEvents();
            everyTab(u"debug window"_s);
        }
    }

    // Calls look on the records dialog, open.
    void inRecordsDialog(const std::function<void(QWidget &)> &look)
    {
        bool opened = false;
        test::whenModal<ui::RecordsWindow>([&](ui::RecordsWindow &dialog) {
            opened = true;
            look(dialog);
            dialog.reject();
        });
        window->recordsWindow().openModal();
        EXPECT_TRUE(opened);
    }
};

INSTANTIATE_TEST_SUITE_P(BothEditions, ShownTexts, ::testing::Values(Edition::Simplified, Edition::Full),
                         [](const auto &test) { return test.param == Edition::Full ? "Full" : "Simplified"; });

TEST_P(ShownTexts, EveryCaptionButtonTabAndListEntryFitsItsPlace)
{
    onEveryPage([&](const QString &page) { EXPECT_EQ(clipped(*window), "") << page.toStdString(); });
    inRecordsDialog([](QWidget &dialog) { EXPECT_EQ(clipped(dialog), ""); });
}

TEST_P(ShownTexts, ATranslationLeavesNoChineseInTheWindow)
{
    if (!isTranslation())
        GTEST_SKIP() << "the source language";
    const auto chineseIn = [](const QWidget &root) {
        QStringList found = shownTexts(root);
        found.removeIf([](const QString &text) { return !hasChinese(text); });
        return found.join(u'\n').toStdString();
    };
    onEveryPage([&](const QString &page) { EXPECT_EQ(chineseIn(*window), "") << page.toStdString(); });
    for (QMenu *menu : window->findChildren<QMenu *>())
        EXPECT_EQ(chineseIn(*menu), "");
    inRecordsDialog([&](QWidget &dialog) { EXPECT_EQ(chineseIn(dialog), ""); });
}

// What the core reports reaches the window through the catalogue: every message
// and status, in the translation.
TEST(ShownWords, ATranslationWordsEveryMessageAndStatus)
{
    if (!isTranslation())
        GTEST_SKIP() << "the source language";
    QStringList words;
    for (const Message m : {Message::StartWrite, Message::RetryWrite, Message::PortNotOpen, Message::OwnShipWritten,
                            Message::SystemWritten, Message::FactoryWritten, Message::DataRefused, Message::SixBitOnly,
                            Message::ControlCharacterRefused, Message::NoShipSelected})
        words.append(catalogue::text(m));
    using Kind = TransactionStatus::Kind;
    for (int k = int(Kind::None); k <= int(Kind::DeviceFound); ++k) {
        if (Kind(k) != Kind::DecodingField && Kind(k) != Kind::DeviceFound)
            words.append(catalogue::text(TransactionStatus(Kind(k))));
    }
    words.append(catalogue::text(TransactionStatus::deviceFound(1, u"/dev/ttyUSB0"_s)));
    for (int slot = 0; slot < kSlotCount; ++slot)
        words.append(catalogue::text(TransactionStatus::decodingField(slot)));
    using State = ConnectionStatus::State;
    for (const State state : {State::Connected, State::NoSuchPort, State::CannotOpen, State::Lost, State::Searching})
        words.append(catalogue::text(ConnectionStatus{state, u"1"_s, true}));
    for (const auto kind : {TransactionNote::Kind::ProfileNotSaved, TransactionNote::Kind::HistoryNotSaved,
                            TransactionNote::Kind::CompanyNotSent})
        words.append(catalogue::text(TransactionNote{kind, {StoreFailureReason::ReadOnly, 0, {}}}));
    words.append(catalogue::text(std::optional<ShipSize>(ShipSize{100, 20})));
    words.append(catalogue::verificationDifferences({{slot::shipName, u"A"_s, u"B"_s}}));
    words.append(catalogue::searchSummary({}, {}));
    words.append(catalogue::searchSummary({{1, u"/dev/ttyS0"_s}, {2, u"/dev/ttyS1"_s}},
                                          {{FindOutcome::Unit, u"211000001"_s, {}}, {FindOutcome::Silent, {}, {}}}));
    for (const QString &entry : choiceEntries(slot::shipType) + choiceEntries(slot::arrivalRange))
        words.append(catalogue::choiceEntry(entry));
    words.append(catalogue::fieldText(u"__._米"_s) + catalogue::fieldText(u"__年__月__日"_s));
    words.removeIf([](const QString &text) { return !hasChinese(text); });
    EXPECT_EQ(words.join(u'\n').toStdString(), "");
}

// A ship entered in the shown language is stored exactly as one entered in
// Chinese: the lists show their entries translated, the form and the store keep
// the stored entries ("70(货船)"), and a stored ship loads back whole.
class StoredShip : public test::WindowTest {
protected:
    static void SetUpTestSuite() {}
    // The text a list shows for a stored entry in the language of this run.
    static QString shown(const QString &chinese, const QString &english)
    {
        return isTranslation() ? english : chinese;
    }
    void choose(int slot, const QString &shownEntry)
    {
        ui::ChoiceBox *box = choice(slot);
        const int index = box->findText(shownEntry);
        ASSERT_GE(index, 0) << shownEntry.toStdString();
        box->setCurrentIndex(index);
    }
    void type(int slot, const QString &keys)
    {
        enter(edit(slot));
        QTest::keyClicks(edit(slot), keys);
    }
    // Every file of the store with its contents, in a fixed order.
    QString storeFiles() const
    {
        QString out;
        QDirIterator it(storeDir.path(), QDir::Files, QDirIterator::Subdirectories);
        QStringList paths;
        while (it.hasNext())
            paths.append(it.next());
        paths.sort();
        for (const QString &path : paths) {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            out += QDir(storeDir.path()).relativeFilePath(path) + u"\n"_s + QString::fromUtf8(file.readAll()) + u"\n"_s;
        }
        return out;
    }
};

TEST_F(StoredShip, EnteredInTheShownLanguageItIsStoredAsInChineseAndLoadsBack)
{
    type(slot::mmsi, u"412345678"_s);
    type(slot::shipName, u"SEA STAR"_s);
    type(slot::draught, u"125"_s);
    choose(slot::shipType, shown(u"70(货船)"_s, u"70 (cargo)"_s));
    choose(slot::epfdType, shown(u"7(观测)"_s, u"7 (surveyed)"_s));
    window->core().tabClicked(Page::System);
    choose(slot::arrivalRange, shown(u"5海里"_s, u"5 NM"_s));
    choose(slot::vhfTalk, shown(u"开"_s, u"On"_s));
    EXPECT_EQ(form().edit(slot::draught).text(), u"12.5米"_s);
    EXPECT_EQ(edit(slot::draught)->text(), shown(u"12.5米"_s, u"12.5m"_s));

    RecordSaver saver(store);
    ASSERT_EQ(saver.saveOwnShipRecord(form()), SaveResult::Saved);
    ASSERT_EQ(saver.saveSystemRecord(form()), SaveResult::Saved);
    // The same files, byte for byte, in every language.
    QFile expected(QStringLiteral(AISSET_STORED_SHIP));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(storeFiles().toStdString(), QString::fromUtf8(expected.readAll()).toStdString());

    // Loaded back into a fresh window: every value, the lists showing it in this language.
    startWindow(QString());
    RecordsDialog &records = window->core().recordsDialog();
    records.open();
    records.select(0);
    records.loadSelected(form(), *window);
    EXPECT_EQ(form().edit(slot::mmsi).text(), u"412345678"_s);
    EXPECT_EQ(form().choice(slot::shipType).text(), u"70(货船)"_s);
    EXPECT_EQ(choice(slot::shipType)->currentText(), shown(u"70(货船)"_s, u"70 (cargo)"_s));
    window->core().tabClicked(Page::System);
    EXPECT_EQ(choice(slot::arrivalRange)->currentText(), shown(u"5海里"_s, u"5 NM"_s));
}

} // namespace
} // namespace aisset

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QString language = qEnvironmentVariable("AISSET_TEST_LANG", u"zh"_s);
    if (!aisset::text::useLanguage(app, language)) {
        std::fprintf(stderr, "no translation for %s\n", qPrintable(language));
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
