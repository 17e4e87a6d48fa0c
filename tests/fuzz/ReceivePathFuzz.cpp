// The receive path on a fake serial line, fed arbitrary bytes in arbitrary
// chunks with poll ticks, transactions and lost connections in between; read
// replies go through the real decoding. No crash, no sanitizer report, the link
// state stays in its bounds, and the poll timer always comes to rest.
#include "FakeSerialLine.h"
#include "FormFixture.h"
#include "LinkSession.h"
#include "ReplyDecoding.h"
#include "ScriptedHost.h"
#include "SettingStore.h"

#include <QCoreApplication>

#include <cstdlib>
#include <memory>

using namespace aisset;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

struct Rig {
    test::StartForm f;
    test::ScriptedHost host;
    MemorySettingStore store;
    test::FakeSerialLine *line = nullptr;
    std::unique_ptr<LinkSession> session;

    Rig()
    {
        auto fake = std::make_unique<test::FakeSerialLine>();
        line = fake.get();
        Form &form = f.form;
        session = std::make_unique<LinkSession>(
            form, host, store, [this](const QString &l) { return FP(f.form, host, l); },
            LinkSession::standardBuilder(form, host, nullptr), LinkSession::Options{std::move(fake), [](int) {}});
        form.setVisible(true);
        session->ports().openAtStartup();
    }

    void checkState()
    {
        const LinkState &s = session->state();
        check(s.pendingGroup >= LinkState::None && s.pendingGroup <= LinkState::Read);
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
    Rig rig;
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
        case 1: // poll ticks, 1-64 (x4 for the larger counts, to reach the idle limit)
            for (size_t i = 0; i < (n < 32 ? n + 1 : n * 4); ++i)
                receive.pollTick();
            break;
        case 2: // a write (0-2) or the read (3)
            rig.session->transactions().command2Click(int(n % 4));
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
    const qsizetype bound = rig.session->state().recvBuffer.size() + ReceivePath::kIdleTickLimit + 2;
    for (qsizetype i = 0; i < bound && receive.isPolling(); ++i)
        receive.pollTick();
    check(!receive.isPolling());
    check(rig.session->state().recvBuffer.isEmpty());
    rig.checkState();
    return 0;
}
