// Every coding primitive and character check on arbitrary text: no crash, no
// sanitizer report, and the invariants that callers rely on.
#include "FuzzInput.h"
#include "encoding/Primitives.h"
#include "validation/CharacterChecks.h"

#include <cstdlib>

using namespace aisset;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (const QString &text : {fuzzText(data, size), fuzzLatin1(data, size)}) {
        const QString hex = btoascT(text);
        (void)asctobT(text);
        (void)asctobT(hex);
        (void)A16to10(text);
        (void)A2TO10(text);
        (void)A2TO16(text);
        (void)A16TO2(text);
        (void)a16All(text);
        (void)a16All(hex);
        (void)A8T6(text);
        (void)IsNum(text);
        (void)NumStr(NumVal(text));
        (void)frameCode(QStringLiteral("CVUIS"), text);
        const int width = size > 0 ? data[0] % 40 : 0;
        if (Allc(text, width).size() < std::max<qsizetype>(text.size(), width))
            std::abort(); // padding must never shorten
        if (AllBB(text, width).size() < std::max<qsizetype>(text.size(), width))
            std::abort();
        for (QChar c : checkasc(text))
            if (c.unicode() < 32 || c.unicode() > 95)
                std::abort();
        (void)getUCase(text);
        (void)checksum(text);
    }
    return 0;
}
