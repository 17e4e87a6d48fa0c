#pragma once

#include "model/ChoiceList.h"
#include "model/FieldTable.h"
#include "model/MaskedField.h"
#include "model/Status.h"

#include <QObject>
#include <QStringList>

#include <array>

namespace aisset {

// The form of the main window: the 35 field slots (edit field, choice list, label
// caption; a hidden normalised copy for slots 0-29) and the window state the
// procedures read and write. It is the only copy of the parameter values; the Qt
// window shows it and writes the user's input back through it.
class Form : public QObject {
    Q_OBJECT
public:
    explicit Form(QObject *parent = nullptr);

    // Edit fields (text1).
    const MaskedField &edit(int slot) const { return edits_.at(std::size_t(slot)); }
    QString editText(int slot) const { return edit(slot).text(); }
    [[nodiscard]] bool setEditText(int slot, const QString &text);
    void setEditMask(int slot, const QString &mask, int maxLength);
    void setEditSelection(int slot, int start, int length);
    void setEditCaret(int slot, int pos);
    // Applies a typing operation of the window's widget to the core field.
    bool typeIntoEdit(int slot, QChar c);
    void backspaceEdit(int slot);
    void deleteInEdit(int slot);

    // Choice lists (Combo1).
    const ChoiceList &choice(int slot) const { return choices_.at(std::size_t(slot)); }
    QString choiceText(int slot) const { return choice(slot).text(); }
    bool selectChoice(int slot, int position);
    bool selectChoiceText(int slot, const QString &text);
    void setChoiceEntries(int slot, const QStringList &entries);

    // Hidden normalised copies (text8); slots 30-34 have none.
    QString mirror(int slot) const;
    void setMirror(int slot, const QString &text);

    // Label captions (SkinLabel1).
    QString caption(int slot) const { return captions_.at(std::size_t(slot)); }
    void setCaption(int slot, const QString &text);

    // Window state.
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool isVisible() const { return visible_; }
    void setVisible(bool visible);

    // List of sent commands (List3).
    const QStringList &sentCommands() const { return sentCommands_; }
    void clearSentCommands();
    void appendSentCommand(const QString &line);

    // Reply log / console command text (Text2) and raw receive log (Text6).
    const QString &replyLog() const { return replyLog_; }
    void setReplyLog(const QString &text);
    const QString &receiveLog() const { return receiveLog_; }
    void setReceiveLog(const QString &text);
    // Appends received text in place. A unit that sends noise for hours must not
    // fill the memory: past kReceiveLogLimit characters the oldest half is dropped.
    void appendReceiveLog(const QString &text);
    static constexpr qsizetype kReceiveLogLimit = 1 << 20;

    // Status bar panel 1 (connection) and panel 2 (transaction) as values; the
    // status labels repeat them. The presentation side's catalogue words them.
    const ConnectionStatus &connectionStatus() const { return connectionStatus_; }
    void setConnectionStatus(const ConnectionStatus &status);
    const TransactionStatus &transactionStatus() const { return transactionStatus_; }
    void setTransactionStatus(const TransactionStatus &status);
    // The notes panel 2 keeps behind whatever status comes, in the order they
    // came, until they are cleared (a write's failed saving until the next write).
    const QList<TransactionNote> &transactionNotes() const { return transactionNotes_; }
    void setTransactionNotes(const QList<TransactionNote> &notes);
    bool hasTransactionNote(TransactionNote::Kind kind) const;
    // Adds a note that is not there yet; removes one that is.
    void addTransactionNote(const TransactionNote &note);
    void removeTransactionNote(TransactionNote::Kind kind);

    // The ship-size label on the own-ship page (Label2(3)): empty until the size is shown.
    const std::optional<ShipSize> &shipSize() const { return shipSize_; }
    void setShipSize(const std::optional<ShipSize> &size);

signals:
    void editChanged(int slot);
    void choiceChanged(int slot);
    void captionChanged(int slot);
    void enabledChanged(bool enabled);
    void sentCommandsChanged();
    void logsChanged();
    void statusChanged();
    void shipSizeChanged();

private:
    std::array<MaskedField, kSlotCount> edits_;
    std::array<ChoiceList, kSlotCount> choices_;
    std::array<QString, kSlotCount> captions_;
    std::array<QString, kMirrorCount> mirrors_;
    bool enabled_ = true;
    bool visible_ = false;
    QStringList sentCommands_;
    QString replyLog_;
    QString receiveLog_;
    ConnectionStatus connectionStatus_;
    TransactionStatus transactionStatus_;
    QList<TransactionNote> transactionNotes_;
    std::optional<ShipSize> shipSize_;
};

} // namespace aisset
