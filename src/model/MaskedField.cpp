#include "model/MaskedField.h"

#include <algorithm>

namespace aisset {

namespace {
bool isInputChar(QChar m) { return m == u'#' || m == u'C'; }

bool takes(QChar m, QChar c)
{
    if (m == u'#')
        return c >= u'0' && c <= u'9';
    return m == u'C'; // any character or a blank
}
} // namespace

void MaskedField::setMask(const QString &mask)
{
    mask_ = mask;
    text_ = mask_.isEmpty() ? QString() : blankText();
    caret_ = selStart_ = selLength_ = 0;
}

QString MaskedField::blankTextFor(const QString &mask)
{
    QString out = mask;
    for (QChar &c : out)
        if (isInputChar(c))
            c = kPrompt;
    return out;
}

QString MaskedField::blankText() const { return blankTextFor(mask_); }

bool MaskedField::isLiteralAt(qsizetype pos) const
{
    return pos >= 0 && pos < mask_.size() && !isInputChar(mask_[pos]);
}

bool MaskedField::acceptsAt(qsizetype pos, QChar c) const
{
    if (pos < 0 || pos >= mask_.size())
        return false;
    const QChar m = mask_[pos];
    if (!isInputChar(m))
        return c == m;
    return c == kPrompt || takes(m, c);
}

bool MaskedField::acceptsFullText(const QString &text) const
{
    if (text.size() != mask_.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!acceptsAt(i, text[i]))
            return false;
    return true;
}

// Types one character into text at caret. Digits typed into a numeric run before
// its closing literal are right-aligned when that literal is typed, so "8" then "."
// in "##.#米" gives "_8._米", the same as the keypad decimal key does.
bool MaskedField::typeInto(const QString &mask, QString &text, int &caret, QChar c)
{
    int next = caret;
    while (next < mask.size() && !isInputChar(mask[next]))
        ++next;
    if (next < mask.size() && takes(mask[next], c)) {
        text[next] = c;
        caret = next + 1;
        return true;
    }
    // Not taken here: a typed literal that stands ahead moves the caret past it.
    qsizetype lit = caret;
    while (lit < mask.size() && (isInputChar(mask[lit]) || mask[lit] != c))
        ++lit;
    if (lit >= mask.size())
        return false;
    qsizetype runStart = lit;
    while (runStart > 0 && isInputChar(mask[runStart - 1]))
        --runStart;
    const QString run = text.mid(runStart, lit - runStart);
    QString typed = run;
    typed.remove(kPrompt);
    const bool numericRun = std::all_of(mask.begin() + runStart, mask.begin() + lit, [](QChar m) { return m == u'#'; });
    if (numericRun && !typed.isEmpty() && run.startsWith(typed))
        text.replace(runStart, run.size(), QString(run.size() - typed.size(), kPrompt) + typed);
    caret = int(lit) + 1;
    return true;
}

bool MaskedField::placeShorter(const QString &text, QString &out) const
{
    out = blankText();
    int caret = 0;
    for (QChar c : text) {
        if (c == kPrompt) { // a prompt keeps its input position empty
            int pos = caret;
            while (pos < mask_.size() && !isInputChar(mask_[pos]))
                ++pos;
            if (pos >= mask_.size())
                return false;
            caret = pos + 1;
            continue;
        }
        if (!typeInto(mask_, out, caret, c))
            return false;
    }
    return true;
}

bool MaskedField::setText(const QString &text)
{
    if (mask_.isEmpty()) {
        if (maxLength_ > 0 && text.size() > maxLength_)
            return false;
        text_ = text;
        clampCaret();
        return true;
    }
    if (text.size() == mask_.size()) {
        if (!acceptsFullText(text))
            return false;
        text_ = text;
        clampCaret();
        return true;
    }
    QString placed;
    if (text.isEmpty() || text.size() > mask_.size() || !placeShorter(text, placed))
        return false;
    text_ = placed;
    clampCaret();
    return true;
}

void MaskedField::clampCaret()
{
    caret_ = std::clamp(caret_, 0, int(text_.size()));
    selStart_ = std::clamp(selStart_, 0, int(text_.size()));
    selLength_ = std::clamp(selLength_, 0, int(text_.size()) - selStart_);
}

void MaskedField::setCaret(int pos)
{
    caret_ = std::clamp(pos, 0, int(text_.size()));
    selStart_ = caret_;
    selLength_ = 0;
}

void MaskedField::setSelection(int start, int length)
{
    selStart_ = std::clamp(start, 0, int(text_.size()));
    selLength_ = std::clamp(length, 0, int(text_.size()) - selStart_);
    caret_ = selStart_;
}

bool MaskedField::typeChar(QChar c)
{
    if (mask_.isEmpty()) {
        QString t = text_;
        t.replace(selStart_, selLength_, QString(c));
        if (maxLength_ > 0 && t.size() > maxLength_)
            return false;
        const int at = selStart_;
        text_ = t;
        setCaret(at + 1);
        return true;
    }
    QString t = text_;
    // Typing over a selection first empties the selected input positions.
    for (int i = selStart_; i < selStart_ + selLength_; ++i)
        if (isInputChar(mask_[i]))
            t[i] = kPrompt;
    int caret = selStart_;
    if (!typeInto(mask_, t, caret, c))
        return false;
    text_ = t;
    setCaret(caret);
    return true;
}

void MaskedField::backspace()
{
    if (selLength_ > 0) {
        deleteForward();
        return;
    }
    int pos = caret_ - 1;
    if (mask_.isEmpty()) {
        if (pos >= 0) {
            text_.remove(pos, 1);
            setCaret(pos);
        }
        return;
    }
    while (pos >= 0 && !isInputChar(mask_[pos]))
        --pos;
    if (pos < 0)
        return;
    text_[pos] = kPrompt;
    setCaret(pos);
}

void MaskedField::deleteForward()
{
    if (mask_.isEmpty()) {
        if (selLength_ > 0)
            text_.remove(selStart_, selLength_);
        else if (caret_ < text_.size())
            text_.remove(caret_, 1);
        setCaret(selStart_);
        return;
    }
    const int from = selStart_;
    const int to = selLength_ > 0 ? selStart_ + selLength_ : std::min(int(text_.size()), caret_ + 1);
    for (int i = from; i < to; ++i)
        if (isInputChar(mask_[i]))
            text_[i] = kPrompt;
    setCaret(from);
}

} // namespace aisset
