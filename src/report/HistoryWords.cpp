#include "report/HistoryWords.h"

#include "history/HistoryEntry.h"
#include "model/FieldTable.h"

namespace aisset::historyWords {

QString kind(TransactionKind kind)
{
    switch (kind) {
    case TransactionKind::OwnShipWrite: return QStringLiteral("本船资料写入");
    case TransactionKind::SystemWrite: return QStringLiteral("系统资料写入");
    case TransactionKind::FactoryWrite: return QStringLiteral("出厂资料写入");
    case TransactionKind::Read: return QStringLiteral("读取");
    case TransactionKind::Verify: break;
    }
    return QStringLiteral("校验");
}

QString result(TransactionResult result)
{
    switch (result) {
    case TransactionResult::Acknowledged: return QStringLiteral("设置成功");
    case TransactionResult::NoAnswer: return QStringLiteral("未收到应答");
    case TransactionResult::PortNotOpen: return QStringLiteral("通讯口未打开");
    case TransactionResult::Refused: return QStringLiteral("数据有误,未发送");
    case TransactionResult::Decoded: return QStringLiteral("读取成功");
    case TransactionResult::DecodingFailed: return QStringLiteral("读取数据错误");
    case TransactionResult::Agree: return QStringLiteral("校验通过");
    case TransactionResult::Differ: break;
    }
    return QStringLiteral("设备参数与写入不符");
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
        return QStringLiteral("已校验");
    if (readBack && readBack->transaction.result == TransactionResult::Differ)
        return QStringLiteral("不符");
    return QStringLiteral("未校验");
}

QString localTime(const HistoryEntry &entry)
{
    const QDateTime local = entry.transaction.startedUtc.toOffsetFromUtc(entry.utcOffsetSeconds);
    return local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss t"));
}

QString fieldCaption(int slot)
{
    QString caption = str(field(slot).caption);
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption;
}

QString columnTime() { return QStringLiteral("时间"); }
QString columnKind() { return QStringLiteral("操作"); }
QString columnResult() { return QStringLiteral("结果"); }
QString columnVerified() { return QStringLiteral("校验"); }

QString columnInstaller() { return QStringLiteral("安装人员"); }
QString companyUnreadable() { return QStringLiteral("公司数据库无法读取，只列出本机记录"); }

} // namespace aisset::historyWords
