#pragma once

#include "FakeSerialLine.h"
#include "FormFixture.h"
#include "ScriptedHost.h"
#include "link/LinkSession.h"
#include "link/SettingStore.h"

#include <deque>
#include <map>
#include <memory>

namespace aisset::test {

using namespace Qt::StringLiterals;

// A host that also notes whether the window was enabled at each question.
class RecordingHost : public ScriptedHost {
public:
    explicit RecordingHost(const Form &form) : form_(form) {}
    using ScriptedHost::askYesNo;
    bool askYesNo(const QString &text, const QString &title) override
    {
        enabledAtQuestion.append(form_.isEnabled());
        return ScriptedHost::askYesNo(text, title);
    }
    QList<bool> enabledAtQuestion;

private:
    const Form &form_;
};

// One link session on a fake line, with a scripted host, a builder that returns
// fixed sentences, a decoder that records its lines and answers from a script
// (Decoded when the script is empty), and a wait that lets no time pass.
class LinkHarness {
public:
    LinkHarness() : LinkHarness(std::make_unique<FakeSerialLine>()) {}

    void deliver(const QByteArray &bytes) { line.receive(bytes); }
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            session.receivePath().pollTick();
    }
    // Ticks until the buffer is empty and the timer stopped (at most 50 ticks).
    void drain()
    {
        for (int i = 0; i < 50 && session.receivePath().isPolling(); ++i)
            tick();
    }
    QStringList writtenText() const
    {
        QStringList out;
        for (const QByteArray &b : line.written)
            out << QString::fromLatin1(b);
        return out;
    }
    void openPort() { session.ports().openAtStartup(); }
    Form &form() { return f.form; }
    LinkState &state() { return session.state(); }

    StartForm f;
    RecordingHost host{f.form};
    MemorySettingStore store;
    FakeSerialLine &line;
    QStringList decodedLines;
    std::deque<DecodeResult> decodeResults;
    std::function<void()> onDecode;
    std::map<Group, QString> sentences{
        {Group::OwnShip, u"$CVUIS,OWN*00\r\n"_s},
        {Group::System, u"$CVSYS,SYS*00\r\n"_s},
        {Group::Factory, u"$CVEFS,FAC*00\r\n"_s},
    };
    bool refuseBuild = false;
    bool failSaving = false; // the builder's saving does not reach the store
    StoreFailure savingFailure;  // why, as the store says it
    int builds = 0;
    int waits = 0;
    std::function<void()> onWait;
    LinkSession session;

private:
    explicit LinkHarness(std::unique_ptr<FakeSerialLine> fake)
        : line(*fake), session(
                           f.form, host, store, [this](const QString &l) { return decode(l); },
                           [this](Group g) { return build(g); }, {std::move(fake), [this](int) { wait(); }})
    {}
    DecodeResult decode(const QString &l)
    {
        decodedLines << l;
        if (onDecode)
            onDecode();
        if (decodeResults.empty())
            return DecodeResult::Decoded;
        const DecodeResult r = decodeResults.front();
        decodeResults.pop_front();
        return r;
    }
    BuildResult build(Group g)
    {
        ++builds;
        if (refuseBuild) {
            host.showMessage(u"有错误,请检查数据"_s);
            return {{}, 5};
        }
        return {sentences.at(g), -1, failSaving ? SaveResult::Failed : SaveResult::Saved, savingFailure};
    }
    void wait()
    {
        ++waits;
        if (onWait)
            onWait();
    }
};

} // namespace aisset::test
