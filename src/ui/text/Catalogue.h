#pragma once

#include "link/UnitSearch.h"
#include "model/FieldDifference.h"
#include "model/Message.h"
#include "model/Status.h"

#include <QList>
#include <QString>

#include <optional>

namespace aisset {
class Form;
}

// The words a person reads about what the core reports: the messages, the
// status bar's panels, the ship-size label, the verification's differences and
// the search for the unit. The core sets values; the window and the
// command-line tool put them into words only here, so a translation has one
// place to go.
namespace aisset::catalogue {

QString text(Message message);
QString text(const TransactionStatus &status);
QString text(const ConnectionStatus &status);
// The port's state alone, as panel 1 ends with it ("连接", "无效", ...).
QString text(ConnectionStatus::State state);
QString text(const TransactionNote &note);
// The ship-size label: empty while no size has been shown.
QString text(const std::optional<ShipSize> &size);

// Panel 2: the transaction status, then its notes in the order they came.
QString transactionPanel(const Form &form);

// The word for a reply that failed its checksum (the read's status, the
// command line's warning).
QString checksumDiffers();

// The window's warning after a verification that differed: the caption, the
// value written and the unit's value, one field a line, under the status word.
QString verificationDifferences(const QList<FieldDifference> &differences);

// The search for the unit: one port, and the message that lists every port
// tried with what it gave.
QString searchedPort(const UnitSearch::Candidate &port);
QString searchSummary(const QList<UnitSearch::Candidate> &ports, const QList<FindOutcome> &outcomes);

// A choice list's entry as shown: the stored entry ("70(货船)") in the display
// language ("70 (cargo)"); the list keeps the stored entries and positions.
QString choiceEntry(const QString &entry);
// An edit field's text as shown: the units and date marks the masks place
// ("米", "年", "月", "日") in the display language, one character for one, so
// that the caret and the selection keep their places.
QString fieldText(const QString &text);

// The trace for support: saved at `path`, or not writable for `reason`.
QString traceSaved(const QString &path);
QString traceFailed(const QString &reason);

} // namespace aisset::catalogue
