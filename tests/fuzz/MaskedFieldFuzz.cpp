// Writes and typing of arbitrary texts into masked fields: the text must keep
// one character per mask position with every literal in place.
#include "FuzzInput.h"
#include "model/MaskedField.h"

#include <cstdlib>

using aisset::MaskedField;

namespace {
const char16_t *const kMasks[] = {u"####",  u"CCCCCCC", u"##.#米", u"#########", u"CCCCCCCCCCCCCCCCCCCC",
                                  u"###米", u"##米",    u""};

void checkShape(const MaskedField &f)
{
    if (f.mask().isEmpty())
        return;
    if (f.text().size() != f.mask().size())
        std::abort();
    for (qsizetype i = 0; i < f.text().size(); ++i)
        if (!f.acceptsAt(i, f.text()[i]))
            std::abort();
    if (f.caret() < 0 || f.caret() > f.text().size())
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    MaskedField f;
    f.setMask(QString::fromUtf16(kMasks[data[0] % std::size(kMasks)]));
    const QString text = fuzzText(data + 2, size - 2);
    (void)f.setText(text);
    checkShape(f);
    // Replay the text as key strokes mixed with caret moves, selections and deletions.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t op = text[i].unicode();
        switch (op % 7) {
        case 0: f.setCaret(op % 32); break;
        case 1: f.setSelection(op % 16, (op >> 4) % 16); break;
        case 2: f.backspace(); break;
        case 3: f.deleteForward(); break;
        default: (void)f.typeChar(text[i]); break;
        }
        checkShape(f);
    }
    return 0;
}
