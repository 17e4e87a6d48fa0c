// The two decoding primitives on arbitrary text: the text code (B8TO6) and the
// unpacking of the status characters (A6T8). No crash, no sanitizer report,
// and the properties the decoding relies on.
#include "FuzzInput.h"
#include "decoding/StatusBits.h"
#include "decoding/TextCode.h"
#include "model/Form.h"
#include "model/PackedSettings.h"

#include <cstdlib>

using namespace aisset;

namespace {

void checkTextCode(const QString &text)
{
    const QString decoded = B8TO6(text);
    // Characters below 95 ("A".."Z", digits, signs) stand for themselves.
    qsizetype plain = 0;
    for (QChar c : text)
        plain += c.unicode() < 95;
    if (plain == text.size())
        check(decoded == text);
    check(B8TO6(QString()).isEmpty());
}

void checkStatusBits(Form &form, const QString &text)
{
    const QString bits = A6T8(form, text.left(4));
    // Four runs of at least six binary digits.
    check(bits.size() >= 24);
    for (QChar c : bits)
        check(c == u'0' || c == u'1');
    const StatusRunTexts runs = cutStatusRuns(bits);
    for (const PackedSetting &setting : packedSettings())
        check(runs[std::size_t(setting.slot)].size() == setting.width);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Form form;
    for (const QString &text : {fuzzText(data, size), fuzzLatin1(data, size)}) {
        checkTextCode(text);
        checkStatusBits(form, text);
    }
    return 0;
}
