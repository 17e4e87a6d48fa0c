// The parameter-line decoding (FP) on arbitrary lines: no crash, no sanitizer
// report, a result of 0 or 1, the window enabled again, and the same line
// decoded twice gives the same form and the same trace. A decoded reply is what
// an installer writes back after changing a field: each group then builds a
// sentence, or is refused naming a field.
#include "FormFixture.h"
#include "FuzzInput.h"
#include "ScriptedHost.h"
#include "decoding/ReplyDecoding.h"
#include "encoding/Builders.h"

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

struct Snapshot {
    QStringList fields;
    QStringList trace;
    TransactionStatus status;
    std::optional<ShipSize> shipSize;
    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshot(const Form &form)
{
    Snapshot s;
    for (int slot = 0; slot < kSlotCount; ++slot)
        s.fields << form.editText(slot) << form.choiceText(slot);
    s.trace = form.sentCommands();
    s.status = form.transactionStatus();
    s.shipSize = form.shipSize();
    return s;
}

// One whole line: "$", then no control character until the closing CR LF.
bool isSentence(const QString &text)
{
    if (!text.startsWith(u'$') || !text.endsWith(u"\r\n"))
        return false;
    const QStringView body = QStringView(text).chopped(2);
    return std::none_of(body.cbegin(), body.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

void buildEachGroup(Form &form, Host &host)
{
    for (const Group group : {Group::OwnShip, Group::System, Group::Factory}) {
        const BuildResult built = buildSentence(group, form, host, nullptr);
        check(built.ok() ? isSentence(built.sentence) : built.failedSlot >= 0 && built.failedSlot < kSlotCount);
    }
}

void decodeTwice(const QString &line)
{
    test::StartForm f;
    test::ScriptedHost host;
    const DecodeResult first = FP(f.form, host, line);
    const Snapshot once = snapshot(f.form);
    const DecodeResult second = FP(f.form, host, line);
    check(first == second && f.form.isEnabled() && snapshot(f.form) == once);
    if (first == DecodeResult::Decoded)
        buildEachGroup(f.form, host);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte picks how the rest becomes a line: as bytes, as bytes behind
    // the reply's own start (so that the fields beyond the first ones are
    // reached), or as any UTF-16 text behind that start. One form per input keeps
    // each run short.
    if (size < 1)
        return 0;
    const uint8_t *text = data + 1;
    const size_t length = size - 1;
    switch (data[0] % 3) {
    case 0: decodeTwice(fuzzLatin1(text, length)); break;
    case 1: decodeTwice(u"!CVSET,"_s + fuzzLatin1(text, length)); break;
    default: decodeTwice(u"!CVSET,"_s + fuzzText(text, length)); break;
    }
    return 0;
}
