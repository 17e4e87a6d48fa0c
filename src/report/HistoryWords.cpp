#include "report/HistoryWords.h"

#include "history/HistoryEntry.h"
#include "model/FieldTable.h"
#include "ui/text/Language.h"

namespace aisset::historyWords {

QString kind(TransactionKind kind)
{
    switch (kind) {
    case TransactionKind::OwnShipWrite: return text::translate("History", "本船资料写入");
    case TransactionKind::SystemWrite: return text::translate("History", "系统资料写入");
    case TransactionKind::FactoryWrite: return text::translate("History", "出厂资料写入");
    case TransactionKind::Read: return text::translate("History", "读取");
    case TransactionKind::Verify: break;
    }
    return text::translate("History", "校验");
}

QString result(TransactionResult result)
{
    switch (result) {
    case TransactionResult::Acknowledged: return text::translate("History", "设置成功");
    case TransactionResult::NoAnswer: return text::translate("History", "未收到应答");
    case TransactionResult::PortNotOpen: return text::translate("History", "通讯口未打开");
    case TransactionResult::Refused: return text::translate("History", "数据有误,未发送");
    case TransactionResult::Decoded: return text::translate("History", "读取成功");
    case TransactionResult::DecodingFailed: return text::translate("History", "读取数据错误");
    case TransactionResult::Agree: return text::translate("History", "校验通过");
    case TransactionResult::Differ: break;
    }
    return text::translate("History", "设备参数与写入不符");
}

QString resultDetail(const TransactionOutcome &outcome)
{
    QString text = result(outcome.result);
    if (outcome.milliseconds >= 0)
        text += QStringLiteral(" (%1 ms)").arg(outcome.milliseconds);
    if (outcome.refusedSlot >= 0)
        text += QStringLiteral(": ") + fieldCaption(outcome.refusedSlot);
    return text;
}

QString verification(const HistoryEntry &write, const HistoryEntry *readBack)
{
    const TransactionOutcome &t = write.transaction;
    const bool isWrite = t.kind != TransactionKind::Read && t.kind != TransactionKind::Verify;
    if (!isWrite || t.result != TransactionResult::Acknowledged)
        return {};
    if (readBack && readBack->transaction.result == TransactionResult::Agree)
        return text::translate("History", "已校验");
    if (readBack && readBack->transaction.result == TransactionResult::Differ)
        return text::translate("History", "不符");
    return text::translate("History", "未校验");
}

QString localTime(const HistoryEntry &entry)
{
    const QDateTime local = entry.transaction.startedUtc.toOffsetFromUtc(entry.utcOffsetSeconds);
    return local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss t"));
}

QString fieldCaption(int slot)
{
    // The captions are the window's, translated where the window shows them.
    QString caption = text::translate("Field", field(slot).caption);
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption;
}

QString columnTime() { return text::translate("History", "时间"); }
QString columnKind() { return text::translate("History", "操作"); }
QString columnResult() { return text::translate("History", "结果"); }
QString columnVerified() { return text::translate("History", "校验"); }

QString columnInstaller() { return text::translate("History", "安装人员"); }
QString companyUnreadable() { return text::translate("History", "公司数据库无法读取，只列出本机记录"); }

} // namespace aisset::historyWords
