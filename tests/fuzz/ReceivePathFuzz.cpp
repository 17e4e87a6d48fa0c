// The receive path on a fake serial line, fed arbitrary bytes in arbitrary
// chunks with poll ticks, transactions and lost connections in between; read
// replies go through the real decoding. No crash, no sanitizer report, the link
// state stays in its bounds, and the poll timer always comes to rest.
// A write sends a fixed sentence or is refused, as the input says: what the
// unit answers does not depend on the sentence, and building a real one would
// take most of each run (the reply decoding target builds them from decoded
// replies).
#include "FuzzInput.h"
#include "FakeSerialLine.h"
#include "FormFixture.h"
#include "ScriptedHost.h"
#include "decoding/ReplyDecoding.h"
#include "link/LinkSession.h"
#include "link/SettingStore.h"

#include <QCoreApplication>

#include <cstdlib>
#include <memory>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

// Brings the form back to the start form: fields, window state, logs and
// statuses. Only what differs is written, since setting a mask or a text costs
// more than comparing it.
void restore(Form &form, const Form &start)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const MaskedField &edit = start.edit(slot);
        if (form.edit(slot).mask() != edit.mask() || form.edit(slot).maxLength() != edit.maxLength())
            form.setEditMask(slot, edit.mask(), edit.maxLength());
        if (form.editText(slot) != edit.text())
            check(form.setEditText(slot, edit.text()));
        form.setEditSelection(slot, edit.selectionStart(), edit.selectionLength());
        const ChoiceList &choice = start.choice(slot);
        if (form.choice(slot).entries() != choice.entries())
            form.setChoiceEntries(slot, choice.entries());
        if (form.choice(slot).position() != choice.position())
            check(form.selectChoice(slot, choice.position()));
        if (form.caption(slot) != start.caption(slot))
            form.setCaption(slot, start.caption(slot));
        form.setMirror(slot, start.mirror(slot));
    }
    form.setEnabled(start.isEnabled());
    form.setVisible(start.isVisible());
    form.clearSentCommands();
    form.setReplyLog(start.replyLog());
    form.setReceiveLog(start.receiveLog());
    form.setConnectionStatus(start.connectionStatus());
    form.setTransactionStatus(start.transactionStatus());
    form.setShipSize(start.shipSize());
}

// One session for the whole run: building a form and its link costs more than
// most inputs. reset() brings everything back to the state the rig starts in,
// so that an input behaves the same after any other and reproduces on its own.
struct Rig {
    const test::StartForm start;
    test::StartForm f;
    test::ScriptedHost host;
    MemorySettingStore store;
    test::FakeSerialLine *line = nullptr;
    std::unique_ptr<LinkSession> session;
    bool refuseWrite = false;

    Rig()
    {
        auto fake = std::make_unique<test::FakeSerialLine>();
        line = fake.get();
        Form &form = f.form;
        session = std::make_unique<LinkSession>(
            form, host, store, [this](const QString &l) { return FP(f.form, host, l); },
            [this](Group group) { return build(group); }, LinkSession::Options{std::move(fake), [](int) {}});
        reset();
    }

    void reset()
    {
        // Losing the connection also drops a cut line and a half-received
        // double-byte character.
        line->loseConnection();
        line->calls.clear();
        line->written.clear();
        line->input.clear();
        session->state() = LinkState{};
        host = test::ScriptedHost{};
        store = MemorySettingStore{};
        restore(f.form, start.form);
        f.form.setVisible(true);
        session->ports().openAtStartup();
        // A take of completed lines still queued would run in the next input.
        QCoreApplication::sendPostedEvents();
    }

    BuildResult build(Group group) const
    {
        if (refuseWrite)
            return {{}, slot::mmsi};
        return {u"$CVSET,%1\r\n"_s.arg(int(group)), -1};
    }

    void checkState()
    {
        const LinkState &s = session->state();
        // One transaction at a time; no verification without a verifier.
        check(!(s.pendingGroup && s.pendingRead));
        check(!s.pendingRead || *s.pendingRead == LinkState::Read::Parameters);
        check(s.readRetries >= 0 && s.readRetries <= 2);
        check(s.idleTicks >= 0 && s.idleTicks < ReceivePath::kIdleTickLimit);
        check(f.form.isEnabled());
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv); // the poll timer needs an event dispatcher
    return 0;
}

// Each operation byte: the low two bits choose what happens, the rest is its size.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Rig rig;
    ReceivePath &receive = rig.session->receivePath();
    size_t at = 0;
    while (at < size) {
        const uint8_t op = data[at++];
        const size_t n = op >> 2;
        switch (op & 3) {
        case 0: { // a chunk of 1-64 bytes arrives
            const size_t len = std::min(n + 1, size - at);
            rig.line->receive(QByteArray(reinterpret_cast<const char *>(data + at), qsizetype(len)));
            at += len;
            break;
        }
        case 1: // an event loop pass (even sizes), or poll ticks: 1-16, or 128-248 to reach the idle limit
            if (n % 2 == 0) {
                QCoreApplication::sendPostedEvents();
                break;
            }
            for (size_t i = 0, ticks = n / 2; i < (ticks < 16 ? ticks + 1 : ticks * 8); ++i)
                receive.pollTick();
            break;
        case 2: // a write (0-2) or the read (3); the next bit refuses the write
            rig.refuseWrite = (n >> 2) % 2;
            if (n % 4 == 3)
                rig.session->transactions().startRead();
            else
                rig.session->transactions().startWrite(Group(n % 4));
            break;
        case 3: // the adapter goes away and the port is chosen again
            rig.line->loseConnection();
            rig.session->ports().select(int(n % 2));
            break;
        }
        rig.checkState();
    }
    // Every line is taken or dropped within one tick per character and the idle
    // limit: the timer stops.
    QCoreApplication::sendPostedEvents();
    const qsizetype bound = rig.session->state().recvBuffer.size() + ReceivePath::kIdleTickLimit + 2;
    for (qsizetype i = 0; i < bound && receive.isPolling(); ++i)
        receive.pollTick();
    check(!receive.isPolling());
    check(rig.session->state().recvBuffer.isEmpty());
    rig.checkState();
    // Reset after the input, not before: what it allocated is freed within its
    // own run, so libFuzzer does not take it for a leak and run the leak check.
    rig.reset();
    return 0;
}
