#pragma once

#include <QString>

namespace aisset {

// A masked edit field: the text holds one character per mask position.
// "#" takes a digit, "C" any character or a blank, any other mask character
// is a literal that stands in its position. Empty positions show the prompt "_".
// A field without mask takes any text (up to its maximum length, when one is set).
class MaskedField {
public:
    static constexpr QChar kPrompt = u'_';

    const QString &mask() const { return mask_; }
    int maxLength() const { return maxLength_; }
    const QString &text() const { return text_; }

    // Setting a mask puts the field into its blank form, as a masked edit control does.
    void setMask(const QString &mask);
    void setMaxLength(int length) { maxLength_ = length; }

    // Writes a text; returns false (keeping the old text) when the field refuses it.
    // With a mask, a text of the mask's length is taken when every literal is in place
    // and every input position holds "_" or a character the position takes. A shorter
    // text is placed as if typed into the blank field (see placeShorter).
    [[nodiscard]] bool setText(const QString &text);

    // The mask with "_" in every input position and the literals in place.
    QString blankText() const;
    static QString blankTextFor(const QString &mask);

    bool isLiteralAt(qsizetype pos) const;
    bool acceptsAt(qsizetype pos, QChar c) const;

    // Caret and selection, in character positions.
    int caret() const { return caret_; }
    int selectionStart() const { return selStart_; }
    int selectionLength() const { return selLength_; }
    void setCaret(int pos);
    void setSelection(int start, int length);

    // Typing, as the window's widget does it: a character goes into the next input
    // position from the caret; a typed literal jumps past it. Returns false when refused.
    bool typeChar(QChar c);
    void backspace();
    void deleteForward();

private:
    bool acceptsFullText(const QString &text) const;
    bool placeShorter(const QString &text, QString &out) const;
    static bool typeInto(const QString &mask, QString &text, int &caret, QChar c);
    void clampCaret();

    QString mask_;
    QString text_;
    int maxLength_ = 0;
    int caret_ = 0;
    int selStart_ = 0;
    int selLength_ = 0;
};

} // namespace aisset
