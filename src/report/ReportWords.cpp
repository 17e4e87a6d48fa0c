#include "report/ReportWords.h"

#include "encoding/Primitives.h"
#include "ui/text/Language.h"

namespace aisset::reportWords {

QString title() { return text::translate("Report", "AIS 设备安装报告"); }

QString shipLine(const ReportData &report)
{
    return text::translate("Report", "MMSI: %1    船名: %2    报告生成: %3")
        .arg(report.mmsi, report.shipName.isEmpty() ? QStringLiteral("-") : report.shipName,
             report.made.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

QString section(Group group)
{
    switch (group) {
    case Group::OwnShip: return text::translate("Report", "本船资料");
    case Group::System: return text::translate("Report", "系统设置");
    case Group::Factory: break;
    }
    return text::translate("Report", "出厂资料");
}

QString transactionsSection() { return text::translate("Report", "与设备的通讯记录"); }
QString columnItem() { return text::translate("Report", "项目"); }
QString columnStored() { return text::translate("Report", "档案值"); }
QString columnUnit() { return text::translate("Report", "设备确认值"); }
QString columnVerifiedAt() { return text::translate("Report", "校验时间"); }
QString columnMark() { return text::translate("Report", "备注"); }

QString mark(ReportValue::Mark mark)
{
    switch (mark) {
    case ReportValue::Mark::Confirmed: return {};
    case ReportValue::Mark::DiffersFromStored: return text::translate("Report", "与档案不符");
    case ReportValue::Mark::NotVerified: break;
    }
    return text::translate("Report", "未经校验");
}

QString shipLength(double metres) { return text::translate("Report", "船长 %1 米").arg(NumStr(metres)); }
QString shipWidth(double metres) { return text::translate("Report", "船宽 %1 米").arg(NumStr(metres)); }
QString antennaDistance(QChar name, double metres)
{
    return text::translate("Report", "%1=%2米").arg(QString(name), NumStr(metres));
}

QString noShipSize() { return text::translate("Report", "未录入天线位置,无法绘制"); }

QString olderTransactions(qsizetype shown, qsizetype total)
{
    return text::translate("Report", "共 %1 条记录,此处列出最近 %2 条 (aisset-cli history 可列出全部)")
        .arg(total)
        .arg(shown);
}

QString noTransactions() { return text::translate("Report", "没有与设备的通讯记录"); }

QString installer(const QString &name)
{
    return text::translate("Report", "安装人员: ") + (name.isEmpty() ? QStringLiteral("________________") : name);
}

QString installationDate() { return text::translate("Report", "安装日期: ________________"); }
QString installerSignature() { return text::translate("Report", "安装人员签名: ________________"); }
QString shipSignature() { return text::translate("Report", "船方代表签名: ________________"); }
QString saveReportEntry() { return text::translate("Report", "保存安装报告"); }
QString noShip() { return text::translate("Report", "请先输入MMSI"); }
QString reportSaved(const QString &path) { return text::translate("Report", "安装报告已保存: ") + path; }
QString reportNotSaved(const QString &reason) { return text::translate("Report", "安装报告保存失败: ") + reason; }
QString page(int number, int count) { return text::translate("Report", "第 %1 页 / 共 %2 页").arg(number).arg(count); }

} // namespace aisset::reportWords
