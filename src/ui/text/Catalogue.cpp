#include "ui/text/Catalogue.h"

#include "encoding/Primitives.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "ui/text/Language.h"

namespace aisset::catalogue {

namespace {

// The decoding's progress, one word a field of the reply.
QString decodingField(int slot)
{
    switch (slot) {
    case slot::factoryDate: return text::translate("Catalogue", "拆分日期");
    case slot::machineNumber: return text::translate("Catalogue", "拆分机号");
    case slot::powerOnTime: return text::translate("Catalogue", "拆分开机时间");
    case slot::vendorNumber: return text::translate("Catalogue", "拆分编号");
    case slot::crewCount: return text::translate("Catalogue", "拆分船员人数");
    case slot::callSign: return text::translate("Catalogue", "拆分呼号");
    case slot::shipType: return text::translate("Catalogue", "拆分船型");
    case slot::draught: return text::translate("Catalogue", "拆分吃水深度");
    case slot::mmsi: return text::translate("Catalogue", "拆分MMSI");
    case slot::imoNumber: return text::translate("Catalogue", "拆分IMO");
    case slot::shipName: return text::translate("Catalogue", "拆分船名");
    case slot::antennaA:
    case slot::antennaB:
    case slot::antennaC:
    case slot::antennaD: return text::translate("Catalogue", "拆分POS");
    case slot::epfdType: return text::translate("Catalogue", "拆分定位装置");
    case slot::channel1: return text::translate("Catalogue", "拆分频道1");
    case slot::channel2: return text::translate("Catalogue", "拆分频道2");
    case slot::alarmRange: return text::translate("Catalogue", "拆分靠近报警距离");
    case slot::soundPromptRange: return text::translate("Catalogue", "拆分声音提示距离");
    default: return {};
    }
}

// Why the profile store refused a saving, behind the note that says it failed;
// nothing when the system did not say.
QString storeFailure(const StoreFailure &failure)
{
    switch (failure.reason) {
    case StoreFailureReason::ReadOnly: return text::translate("Catalogue", ":只读");
    case StoreFailureReason::NoSpace: return text::translate("Catalogue", ":磁盘已满");
    case StoreFailureReason::LockHeld:
        return failure.lockHolder > 0 ? text::translate("Catalogue", ":被进程%1锁定").arg(failure.lockHolder)
                                      : text::translate("Catalogue", ":被其他程序锁定");
    case StoreFailureReason::NotAFolder: return text::translate("Catalogue", ":不是文件夹");
    case StoreFailureReason::Unknown: break;
    }
    return {};
}

QString searchOutcome(const FindOutcome &outcome)
{
    switch (outcome.kind) {
    case FindOutcome::Unit:
        return outcome.mmsi.isEmpty() ? text::translate("Catalogue", "设备")
                                      : text::translate("Catalogue", "设备 MMSI %1").arg(outcome.mmsi);
    case FindOutcome::Silent: return text::translate("Catalogue", "无应答");
    case FindOutcome::OtherData: return text::translate("Catalogue", "有数据,但不是设备的应答");
    case FindOutcome::OpenFailed: return text::translate("Catalogue", "无法打开");
    case FindOutcome::NotTried: break;
    }
    return text::translate("Catalogue", "未查找(超时)");
}

} // namespace

QString text(Message message)
{
    switch (message) {
    case Message::StartWrite: return text::translate("Catalogue", "是否开始设置数据");
    case Message::RetryWrite: return text::translate("Catalogue", "设置失败,是否重试");
    case Message::PortNotOpen: return text::translate("Catalogue", "通讯口未打开");
    case Message::OwnShipWritten: return text::translate("Catalogue", "本船资料设置成功");
    case Message::SystemWritten: return text::translate("Catalogue", "系统设置成功");
    case Message::FactoryWritten: return text::translate("Catalogue", "出厂设置成功");
    case Message::DataRefused: return text::translate("Catalogue", "有错误,请检查数据");
    case Message::SixBitOnly: return text::translate("Catalogue", "录入的数据不对,应仔细查询 只能为字母数字");
    case Message::ControlCharacterRefused: return text::translate("Catalogue", "指令中含有控制字符,未发送");
    case Message::NoShipSelected: return text::translate("Catalogue", "请选择一个MMSI");
    }
    return {};
}

QString checksumDiffers() { return text::translate("Catalogue", "校验和不符"); }

QString text(const TransactionStatus &status)
{
    using Kind = TransactionStatus::Kind;
    switch (status.kind) {
    case Kind::None: return {};
    case Kind::Acknowledged: return text::translate("Catalogue", "设置成功");
    case Kind::NoAnswer: return text::translate("Catalogue", "未收到应答");
    case Kind::ChecksumRetry: return text::translate("Catalogue", "校验和不符,重新读取");
    case Kind::ReadNotDecoded: return text::translate("Catalogue", "读取数据错误");
    case Kind::ReadSucceeded: return text::translate("Catalogue", "读取成功");
    case Kind::ReadUnconfirmed: return text::translate("Catalogue", "校验和不符:读出的数值未经确认");
    case Kind::DecodingStarted: return text::translate("Catalogue", "拆分数据中。。。");
    case Kind::DecodingField: return decodingField(status.slot);
    case Kind::DecodingStatusBits: return text::translate("Catalogue", "拆分状态");
    case Kind::VerifyAgreed: return text::translate("Catalogue", "校验通过");
    case Kind::VerifyDiffered: return text::translate("Catalogue", "设备参数与写入不符");
    case Kind::VerifyNoReply: return text::translate("Catalogue", "校验未完成:设备无应答");
    case Kind::VerifyUnreliable: return text::translate("Catalogue", "校验未完成:设备应答校验和不符");
    case Kind::DeviceFound:
        return text::translate("Catalogue", "找到设备 %1").arg(searchedPort({status.port, status.device}));
    }
    return {};
}

QString text(ConnectionStatus::State state)
{
    using State = ConnectionStatus::State;
    switch (state) {
    case State::None: return {};
    case State::Connected: return text::translate("Catalogue", "连接");
    case State::NoSuchPort: return text::translate("Catalogue", "无效");
    case State::CannotOpen: return text::translate("Catalogue", "无法打开");
    case State::Lost: return text::translate("Catalogue", "断开");
    case State::Searching: return text::translate("Catalogue", "正在查找设备");
    }
    return {};
}

QString text(const ConnectionStatus &status)
{
    using State = ConnectionStatus::State;
    if (status.state == State::None || status.state == State::Searching)
        return text(status.state);
    // The port opened at start-up has always been said with two blanks.
    return (status.atStart ? text::translate("Catalogue", "通讯口%1  %2") : text::translate("Catalogue", "通讯口%1 %2"))
        .arg(status.port, text(status.state));
}

QString text(const TransactionNote &note)
{
    using Kind = TransactionNote::Kind;
    switch (note.kind) {
    case Kind::ProfileNotSaved: return text::translate("Catalogue", " 档案保存失败") + storeFailure(note.why);
    case Kind::HistoryNotSaved: return text::translate("Catalogue", " 历史记录失败");
    case Kind::CompanyNotSent: return text::translate("Catalogue", " 未送达公司数据库");
    }
    return {};
}

QString text(const std::optional<ShipSize> &size)
{
    if (!size)
        return {};
    return text::translate("Catalogue", "船长:%1米   船宽:%2米").arg(NumStr(size->length), NumStr(size->width));
}

QString transactionPanel(const Form &form)
{
    QString panel = text(form.transactionStatus());
    for (const TransactionNote &note : form.transactionNotes())
        panel += text(note);
    return panel;
}

QString verificationDifferences(const QList<FieldDifference> &differences)
{
    QStringList lines{text(TransactionStatus::Kind::VerifyDiffered)};
    for (const FieldDifference &d : differences) {
        QString caption = text::translate("Field", field(d.slot).caption);
        if (caption.endsWith(u':'))
            caption.chop(1);
        // The blanks that fill a text to its width carry nothing to read.
        lines.append(
            text::translate("Catalogue", "%1  写入: %2  设备: %3").arg(caption, d.written.trimmed(), d.unit.trimmed()));
    }
    return lines.join(u'\n');
}

QString searchedPort(const UnitSearch::Candidate &port)
{
    return text::translate("Catalogue", "通讯口%1 (%2)").arg(port.number).arg(port.device);
}

QString searchSummary(const QList<UnitSearch::Candidate> &ports, const QList<FindOutcome> &outcomes)
{
    if (ports.isEmpty())
        return text::translate("Catalogue", "未找到设备:没有可以查找的通讯口");
    qsizetype units = 0;
    QString lines;
    for (qsizetype i = 0; i < ports.size(); ++i) {
        const FindOutcome outcome = outcomes.value(i);
        units += outcome.kind == FindOutcome::Unit;
        lines += u'\n' + text::translate("Catalogue", "%1: %2").arg(searchedPort(ports[i]), searchOutcome(outcome));
    }
    if (units == 0)
        return text::translate("Catalogue", "未找到设备") + lines;
    return text::translate("Catalogue", "找到%n台设备,请选择通讯口", nullptr, int(units)) + lines;
}

QString choiceEntry(const QString &entry)
{
    const QString shown = text::translate("Choice", QStringView(entry));
    // The distances are counted out ("0.1海里" ... "15海里"): their unit is translated once.
    static const QString kMiles = QStringLiteral("海里");
    if (shown != entry || !entry.endsWith(kMiles))
        return shown;
    return text::translate("Choice", "%1海里").arg(entry.chopped(kMiles.size()));
}

QString fieldText(const QString &text)
{
    static const char *const kMarks[] = {QT_TRANSLATE_NOOP("FieldMark", "米"), QT_TRANSLATE_NOOP("FieldMark", "年"),
                                         QT_TRANSLATE_NOOP("FieldMark", "月"), QT_TRANSLATE_NOOP("FieldMark", "日")};
    QString shown = text;
    for (const char *mark : kMarks) {
        const QString source = QString::fromUtf8(mark);
        const QString translated = text::translate("FieldMark", mark);
        if (translated.size() == 1 && translated != source)
            shown.replace(source.at(0), translated.at(0));
    }
    return shown;
}

QString traceSaved(const QString &path) { return text::translate("Catalogue", "通讯记录已保存:%1").arg(path); }
QString traceFailed(const QString &reason) { return text::translate("Catalogue", "无法写入通讯记录:%1").arg(reason); }

} // namespace aisset::catalogue
