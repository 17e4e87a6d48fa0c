#include "ui/core/MainCore.h"

#include "decoding/ReplyDecoding.h"
#include "decoding/ShipSize.h"
#include "model/Host.h"
#include "model/Normalise.h"
#include "ui/text/Catalogue.h"
#include "ui/core/Pages.h"

#include <QCoreApplication>

namespace aisset {

// With a company database configured, what the local history holds that the
// server lacks goes there at start and after every entry, in the background.
// While it cannot, panel 2 says so; the next push that goes through clears it.
void MainCore::startCompanySync()
{
    const std::optional<CompanyServer> server = configuredCompanyServer();
    if (!server)
        return;
    company_ = std::make_unique<CompanySync>(history_.path(), *server);
    QObject::connect(company_.get(), &CompanySync::pushed, company_.get(), [this](const PushOutcome &outcome) {
        const bool failed = outcome.failure != CompanyFailure::None || outcome.localFailed;
        if (failed)
            form_.addTransactionNote({TransactionNote::Kind::CompanyNotSent});
        else
            form_.removeTransactionNote(TransactionNote::Kind::CompanyNotSent);
    });
    company_->pushSoon();
}

MainCore::MainCore(Host &host, Services services)
    : host_(host), store_(services.store), settings_(store_), records_(store_), profileRecords_(store_),
      history_(historyPathFor(store_)),
      historyRecorder_(history_, localSessionFacts(QStringLiteral("aisset"),
                                                   services.edition == Edition::Full ? QStringLiteral("full")
                                                                                     : QStringLiteral("simplified"),
                                                   QCoreApplication::applicationVersion())),
      layout_(services.edition), link_(form_, host, settings_, standardDecoder(form_, host_),
                                       LinkSession::standardBuilder(form_, host, &records_), std::move(services.link)),
      rules_(form_, layout_, host,
             {[this](Group group) { link_.transactions().startWrite(group); }, [this] { ShowShipSize(form_); }}),
      recordsDialog_(profileRecords_, services.sysDir),
      menu_(form_, layout_, link_.transactions(), profileRecords_, services.sysDir), verifier_(link_, form_, host),
      deviceSearch_(link_, form_, host, std::move(services.ports))
{
    QObject::connect(&menu_, &WindowMenu::findDeviceRequested, &deviceSearch_, &DeviceSearch::start);
    QObject::connect(&menu_, &WindowMenu::traceStopped, &menu_,
                     [this](const QString &path) { host_.showMessage(catalogue::traceSaved(path)); });
    QObject::connect(&menu_, &WindowMenu::traceFailed, &menu_, [this](const QString &reason) {
        host_.showWarning(catalogue::traceFailed(reason));
    });
    historyRecorder_.setLine(&link_.line());
    link_.setObserver(&historyRecorder_);
    // A history that cannot be written is said as a failed saving is; the
    // transaction's own status stays.
    historyRecorder_.setAppended([this](SaveResult saved) {
        if (saved == SaveResult::Failed)
            form_.addTransactionNote({TransactionNote::Kind::HistoryNotSaved});
        if (company_ && saved == SaveResult::Saved)
            company_->pushSoon();
    });
    startCompanySync();
    // The installer's edition reads every acknowledged write back once its
    // success box is closed; the window keeps what the installer typed, so a
    // write that did not take is repeated with one press.
    if (layout_.isFullEdition()) {
        QObject::connect(&link_.receivePath(), &ReceivePath::acknowledged, &verifier_,
                         [this] { verifier_.start(kVerifyTimeoutMs); });
        QObject::connect(&verifier_, &WriteVerifier::finished, &verifier_,
                         [this](const WriteVerifier::Result &result) { showVerification(result); });
    }
}

void MainCore::showVerification(const WriteVerifier::Result &result)
{
    using Status = TransactionStatus::Kind;
    switch (result.outcome) {
    case WriteVerifier::Outcome::Agree: form_.setTransactionStatus({Status::VerifyAgreed}); break;
    case WriteVerifier::Outcome::Differ:
        form_.setTransactionStatus({Status::VerifyDiffered});
        host_.showWarning(catalogue::verificationDifferences(result.differences));
        break;
    case WriteVerifier::Outcome::NoReply: form_.setTransactionStatus({Status::VerifyNoReply}); break;
    case WriteVerifier::Outcome::Unreliable: form_.setTransactionStatus({Status::VerifyUnreliable}); break;
    }
}

// Every choice list starts on its edit field's place; the pages move it along
// with the edit field from then on. (The pictures and the hidden status labels
// start at their design places.)
void MainCore::placeChoiceLists()
{
    for (int s = 0; s < kSlotCount; ++s) {
        Placement choice = layout_.choice(s);
        choice.left = layout_.edit(s).left;
        choice.top = layout_.edit(s).top;
        choice.width = layout_.edit(s).width;
        layout_.setChoice(s, choice);
    }
}

void MainCore::formLoad(const std::function<void()> &showWindow, const AfterFirstPaint &afterFirstPaint)
{
    LinkState &state = link_.state();
    state.idleTicks = 0;
    state.recvBuffer.clear();
    layout_.setSelectedPage(pageAtTab(0).page); // the tab strip starts on its first tab
    layout_.setStatusLabelsVisible(false);
    for (int f = 0; f < WindowLayout::kConsoleFrameCount; ++f)
        layout_.showConsoleFrame(f, false);
    placeChoiceLists();
    state.endPending();
    const auto openPort = [this] { link_.ports().openAtStartup(); };
    if (afterFirstPaint)
        afterFirstPaint(openPort);
    else
        openPort();
    applyStartState(form_);
    ShowPage(form_, layout_, host_, Page::OwnShip);
    if (showWindow)
        showWindow();
    form_.setVisible(true);
    const FieldRef first = *pageRow(Page::OwnShip).first;
    host_.moveFocus(first.kind, first.slot);
}

void MainCore::tabClicked(Page page) { Tab1_Click(form_, layout_, host_, page); }

void MainCore::buttonClicked(Button button)
{
    if (const std::optional<Group> group = groupWrittenBy(button))
        link_.transactions().startWrite(*group);
    else
        link_.transactions().startRead();
}

// A port chosen by hand ends a search for the unit: the choice is the user's.
void MainCore::portChosen(int listPosition)
{
    deviceSearch_.stop();
    link_.ports().select(listPosition);
}

void MainCore::loadSelectedRecord() { loadRecord(&RecordsDialog::loadSelected); }

void MainCore::recordDoubleClicked() { loadRecord(&RecordsDialog::doubleClick); }

void MainCore::loadRecord(void (RecordsDialog::*load)(Form &, Host &))
{
    const bool loads = recordsDialog_.selected() >= 0;
    (recordsDialog_.*load)(form_, host_);
    if (loads)
        ShowShipSize(form_);
}

void MainCore::formUnload()
{
    deviceSearch_.stop();
    if (link_.line().isOpen())
        link_.line().close();
    recordsDialog_.close();
}

} // namespace aisset
