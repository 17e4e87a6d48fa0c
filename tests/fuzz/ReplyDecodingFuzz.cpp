// The parameter-line decoding (FP) on arbitrary lines: no crash, no sanitizer
// report, a result of 0 or 1, the window enabled again, and the same line
// decoded twice gives the same form and the same trace.
#include "FormFixture.h"
#include "FuzzInput.h"
#include "ReplyDecoding.h"
#include "ScriptedHost.h"

#include <cstdlib>

using namespace aisset;

namespace {

struct Snapshot {
    QStringList fields;
    QStringList trace;
    QString status;
    QString shipSize;
    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshot(const Form &form)
{
    Snapshot s;
    for (int slot = 0; slot < kSlotCount; ++slot)
        s.fields << form.editText(slot) << form.choiceText(slot);
    s.trace = form.sentCommands();
    s.status = form.transactionStatus();
    s.shipSize = form.shipSizeText();
    return s;
}

void decodeTwice(const QString &line)
{
    test::StartForm f;
    test::ScriptedHost host;
    const int first = FP(f.form, host, line);
    const Snapshot once = snapshot(f.form);
    const int second = FP(f.form, host, line);
    if ((first != 0 && first != 1) || first != second || !f.form.isEnabled() || !(snapshot(f.form) == once))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // As bytes, as any UTF-16 text, and behind the reply's own start so that the
    // fields beyond the first ones are reached.
    const QString latin1 = fuzzLatin1(data, size);
    decodeTwice(latin1);
    decodeTwice(u"!CVSET,"_qs + latin1);
    decodeTwice(u"!CVSET,"_qs + fuzzText(data, size));
    return 0;
}
