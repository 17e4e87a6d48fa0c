#include "report/ReportWords.h"

#include "encoding/Primitives.h"

namespace aisset::reportWords {

QString title() { return QStringLiteral("AIS 设备安装报告"); }

QString shipLine(const ReportData &report)
{
    return QStringLiteral("MMSI: %1    船名: %2    报告生成: %3")
        .arg(report.mmsi, report.shipName.isEmpty() ? QStringLiteral("-") : report.shipName,
             report.made.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

QString section(Group group)
{
    switch (group) {
    case Group::OwnShip: return QStringLiteral("本船资料");
    case Group::System: return QStringLiteral("系统设置");
    case Group::Factory: break;
    }
    return QStringLiteral("出厂资料");
}

QString transactionsSection() { return QStringLiteral("与设备的通讯记录"); }
QString columnItem() { return QStringLiteral("项目"); }
QString columnStored() { return QStringLiteral("档案值"); }
QString columnUnit() { return QStringLiteral("设备确认值"); }
QString columnVerifiedAt() { return QStringLiteral("校验时间"); }
QString columnMark() { return QStringLiteral("备注"); }

QString mark(ReportValue::Mark mark)
{
    switch (mark) {
    case ReportValue::Mark::Confirmed: return {};
    case ReportValue::Mark::DiffersFromStored: return QStringLiteral("与档案不符");
    case ReportValue::Mark::NotVerified: break;
    }
    return QStringLiteral("未经校验");
}

QString shipLength(double metres) { return QStringLiteral("船长 %1 米").arg(NumStr(metres)); }
QString shipWidth(double metres) { return QStringLiteral("船宽 %1 米").arg(NumStr(metres)); }
QString noShipSize() { return QStringLiteral("未录入天线位置,无法绘制"); }

QString olderTransactions(qsizetype shown, qsizetype total)
{
    return QStringLiteral("共 %1 条记录,此处列出最近 %2 条 (aisset-cli history 可列出全部)").arg(total).arg(shown);
}

QString noTransactions() { return QStringLiteral("没有与设备的通讯记录"); }

QString installer(const QString &name)
{
    return QStringLiteral("安装人员: ") + (name.isEmpty() ? QStringLiteral("________________") : name);
}

QString installationDate() { return QStringLiteral("安装日期: ________________"); }
QString installerSignature() { return QStringLiteral("安装人员签名: ________________"); }
QString shipSignature() { return QStringLiteral("船方代表签名: ________________"); }
QString saveReportEntry() { return QStringLiteral("保存安装报告"); }
QString noShip() { return QStringLiteral("请先输入MMSI"); }
QString reportSaved(const QString &path) { return QStringLiteral("安装报告已保存: ") + path; }
QString reportNotSaved(const QString &reason) { return QStringLiteral("安装报告保存失败: ") + reason; }
QString page(int number, int count) { return QStringLiteral("第 %1 页 / 共 %2 页").arg(number).arg(count); }

} // namespace aisset::reportWords
