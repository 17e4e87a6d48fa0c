#pragma once

#include "link/TransactionOutcome.h"

#include <QString>

namespace aisset {

struct HistoryEntry;

// The words a person reads about the history, in one place, in the display
// language: the records dialog, the command line's text output and the
// installation report take them from here (the history itself keeps only
// values, and its JSON only keys).
namespace historyWords {

QString kind(TransactionKind kind);       // "本船资料写入", "读取", "校验", ...
QString result(TransactionResult result); // "已应答", "无应答", ...
// A result with what belongs to it: the milliseconds of an answer, the field a
// refused write failed.
QString resultDetail(const TransactionOutcome &outcome);
// Whether a write was confirmed by its read-back: "已校验", "不符", "未校验";
// empty for anything but an acknowledged write.
QString verification(const HistoryEntry &write, const HistoryEntry *readBack);
// The entry's time in the local time it was made in, with its offset.
QString localTime(const HistoryEntry &entry);

// A field's caption without the colon it has beside its field.
QString fieldCaption(int slot);

// The records dialog's history columns.
QString columnTime();
QString columnKind();
QString columnResult();
QString columnVerified();

// The records dialog's column naming who made an entry (the company's entries).
QString columnInstaller();
// Under the records dialog's history when the company's database could not be read.
QString companyUnreadable();

} // namespace historyWords

} // namespace aisset
