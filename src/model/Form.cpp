#include "model/Form.h"

#include <algorithm>

namespace aisset {

Form::Form(QObject *parent) : QObject(parent) {}

bool Form::setEditText(int slot, const QString &text)
{
    if (!edits_.at(std::size_t(slot)).setText(text))
        return false;
    emit editChanged(slot);
    return true;
}

void Form::setEditMask(int slot, const QString &mask, int maxLength)
{
    MaskedField &f = edits_.at(std::size_t(slot));
    f.setMaxLength(maxLength);
    f.setMask(mask);
    emit editChanged(slot);
}

void Form::setEditSelection(int slot, int start, int length)
{
    edits_.at(std::size_t(slot)).setSelection(start, length);
    emit editChanged(slot);
}

void Form::setEditCaret(int slot, int pos)
{
    edits_.at(std::size_t(slot)).setCaret(pos);
    emit editChanged(slot);
}

bool Form::typeIntoEdit(int slot, QChar c)
{
    const bool taken = edits_.at(std::size_t(slot)).typeChar(c);
    emit editChanged(slot);
    return taken;
}

void Form::backspaceEdit(int slot)
{
    edits_.at(std::size_t(slot)).backspace();
    emit editChanged(slot);
}

void Form::deleteInEdit(int slot)
{
    edits_.at(std::size_t(slot)).deleteForward();
    emit editChanged(slot);
}

bool Form::selectChoice(int slot, int position)
{
    if (!choices_.at(std::size_t(slot)).select(position))
        return false;
    emit choiceChanged(slot);
    return true;
}

bool Form::selectChoiceText(int slot, const QString &text)
{
    if (!choices_.at(std::size_t(slot)).selectText(text))
        return false;
    emit choiceChanged(slot);
    return true;
}

void Form::setChoiceEntries(int slot, const QStringList &entries)
{
    choices_.at(std::size_t(slot)).setEntries(entries);
    emit choiceChanged(slot);
}

QString Form::mirror(int slot) const
{
    return slot >= 0 && slot < kMirrorCount ? mirrors_[std::size_t(slot)] : QString();
}

void Form::setMirror(int slot, const QString &text)
{
    if (slot >= 0 && slot < kMirrorCount)
        mirrors_[std::size_t(slot)] = text;
}

void Form::setCaption(int slot, const QString &text)
{
    captions_.at(std::size_t(slot)) = text;
    emit captionChanged(slot);
}

void Form::setEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    emit enabledChanged(enabled);
}

void Form::setVisible(bool visible) { visible_ = visible; }

void Form::clearSentCommands()
{
    sentCommands_.clear();
    emit sentCommandsChanged();
}

void Form::appendSentCommand(const QString &line)
{
    sentCommands_.append(line);
    emit sentCommandsChanged();
}

void Form::setReplyLog(const QString &text)
{
    replyLog_ = text;
    emit logsChanged();
}

void Form::setReceiveLog(const QString &text)
{
    receiveLog_ = text;
    emit logsChanged();
}

void Form::appendReceiveLog(const QString &text)
{
    receiveLog_ += text;
    if (receiveLog_.size() > kReceiveLogLimit)
        receiveLog_.remove(0, receiveLog_.size() - kReceiveLogLimit / 2);
    emit logsChanged();
}

void Form::setConnectionStatus(const ConnectionStatus &status)
{
    connectionStatus_ = status;
    emit statusChanged();
}

void Form::setTransactionStatus(const TransactionStatus &status)
{
    transactionStatus_ = status;
    emit statusChanged();
}

void Form::setTransactionNotes(const QList<TransactionNote> &notes)
{
    transactionNotes_ = notes;
    emit statusChanged();
}

bool Form::hasTransactionNote(TransactionNote::Kind kind) const
{
    return std::any_of(transactionNotes_.begin(), transactionNotes_.end(),
                       [kind](const TransactionNote &n) { return n.kind == kind; });
}

void Form::addTransactionNote(const TransactionNote &note)
{
    if (hasTransactionNote(note.kind))
        return;
    transactionNotes_.append(note);
    emit statusChanged();
}

void Form::removeTransactionNote(TransactionNote::Kind kind)
{
    if (transactionNotes_.removeIf([kind](const TransactionNote &n) { return n.kind == kind; }) > 0)
        emit statusChanged();
}

void Form::setShipSize(const std::optional<ShipSize> &size)
{
    shipSize_ = size;
    emit shipSizeChanged();
}

} // namespace aisset
