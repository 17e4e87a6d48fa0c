#include "ui/text/Catalogue.h"

#include "encoding/Primitives.h"
#include "model/FieldTable.h"
#include "model/Form.h"

namespace aisset::catalogue {

namespace {

// The decoding's progress, one word a field of the reply.
QString decodingField(int slot)
{
    switch (slot) {
    case slot::factoryDate: return QStringLiteral("拆分日期");
    case slot::machineNumber: return QStringLiteral("拆分机号");
    case slot::powerOnTime: return QStringLiteral("拆分开机时间");
    case slot::vendorNumber: return QStringLiteral("拆分编号");
    case slot::crewCount: return QStringLiteral("拆分船员人数");
    case slot::callSign: return QStringLiteral("拆分呼号");
    case slot::shipType: return QStringLiteral("拆分船型");
    case slot::draught: return QStringLiteral("拆分吃水深度");
    case slot::mmsi: return QStringLiteral("拆分MMSI");
    case slot::imoNumber: return QStringLiteral("拆分IMO");
    case slot::shipName: return QStringLiteral("拆分船名");
    case slot::antennaA:
    case slot::antennaB:
    case slot::antennaC:
    case slot::antennaD: return QStringLiteral("拆分POS");
    case slot::epfdType: return QStringLiteral("拆分定位装置");
    case slot::channel1: return QStringLiteral("拆分频道1");
    case slot::channel2: return QStringLiteral("拆分频道2");
    case slot::alarmRange: return QStringLiteral("拆分靠近报警距离");
    case slot::soundPromptRange: return QStringLiteral("拆分声音提示距离");
    default: return {};
    }
}

// Why the profile store refused a saving, behind the note that says it failed;
// nothing when the system did not say.
QString storeFailure(const StoreFailure &failure)
{
    switch (failure.reason) {
    case StoreFailureReason::ReadOnly: return QStringLiteral(":只读");
    case StoreFailureReason::NoSpace: return QStringLiteral(":磁盘已满");
    case StoreFailureReason::LockHeld:
        return failure.lockHolder > 0 ? QStringLiteral(":被进程%1锁定").arg(failure.lockHolder)
                                      : QStringLiteral(":被其他程序锁定");
    case StoreFailureReason::NotAFolder: return QStringLiteral(":不是文件夹");
    case StoreFailureReason::Unknown: break;
    }
    return {};
}

QString searchOutcome(const FindOutcome &outcome)
{
    switch (outcome.kind) {
    case FindOutcome::Unit:
        return outcome.mmsi.isEmpty() ? QStringLiteral("设备") : QStringLiteral("设备 MMSI ") + outcome.mmsi;
    case FindOutcome::Silent: return QStringLiteral("无应答");
    case FindOutcome::OtherData: return QStringLiteral("有数据,但不是设备的应答");
    case FindOutcome::OpenFailed: return QStringLiteral("无法打开");
    case FindOutcome::NotTried: break;
    }
    return QStringLiteral("未查找(超时)");
}

} // namespace

QString text(Message message)
{
    switch (message) {
    case Message::StartWrite: return QStringLiteral("是否开始设置数据");
    case Message::RetryWrite: return QStringLiteral("设置失败,是否重试");
    case Message::PortNotOpen: return QStringLiteral("通讯口未打开");
    case Message::OwnShipWritten: return QStringLiteral("本船资料设置成功");
    case Message::SystemWritten: return QStringLiteral("系统设置成功");
    case Message::FactoryWritten: return QStringLiteral("出厂设置成功");
    case Message::DataRefused: return QStringLiteral("有错误,请检查数据");
    case Message::SixBitOnly: return QStringLiteral("录入的数据不对,应仔细查询 只能为字母数字");
    case Message::ControlCharacterRefused: return QStringLiteral("指令中含有控制字符,未发送");
    case Message::NoShipSelected: return QStringLiteral("请选择一个MMSI");
    }
    return {};
}

QString checksumDiffers() { return QStringLiteral("校验和不符"); }

QString text(const TransactionStatus &status)
{
    using Kind = TransactionStatus::Kind;
    switch (status.kind) {
    case Kind::None: return {};
    case Kind::Acknowledged: return QStringLiteral("设置成功");
    case Kind::NoAnswer: return QStringLiteral("未收到应答");
    case Kind::ChecksumRetry: return checksumDiffers() + QStringLiteral(",重新读取");
    case Kind::ReadNotDecoded: return QStringLiteral("读取数据错误");
    case Kind::ReadSucceeded: return QStringLiteral("读取成功");
    case Kind::ReadUnconfirmed: return checksumDiffers() + QStringLiteral(":读出的数值未经确认");
    case Kind::DecodingStarted: return QStringLiteral("拆分数据中。。。");
    case Kind::DecodingField: return decodingField(status.slot);
    case Kind::DecodingStatusBits: return QStringLiteral("拆分状态");
    case Kind::VerifyAgreed: return QStringLiteral("校验通过");
    case Kind::VerifyDiffered: return QStringLiteral("设备参数与写入不符");
    case Kind::VerifyNoReply: return QStringLiteral("校验未完成:设备无应答");
    case Kind::VerifyUnreliable: return QStringLiteral("校验未完成:设备应答校验和不符");
    case Kind::DeviceFound: return QStringLiteral("找到设备 ") + searchedPort({status.port, status.device});
    }
    return {};
}

QString text(ConnectionStatus::State state)
{
    using State = ConnectionStatus::State;
    switch (state) {
    case State::None: return {};
    case State::Connected: return QStringLiteral("连接");
    case State::NoSuchPort: return QStringLiteral("无效");
    case State::CannotOpen: return QStringLiteral("无法打开");
    case State::Lost: return QStringLiteral("断开");
    case State::Searching: return QStringLiteral("正在查找设备");
    }
    return {};
}

QString text(const ConnectionStatus &status)
{
    using State = ConnectionStatus::State;
    if (status.state == State::None || status.state == State::Searching)
        return text(status.state);
    // The port opened at start-up has always been said with two blanks.
    return QStringLiteral("通讯口") + status.port + (status.atStart ? QStringLiteral("  ") : QStringLiteral(" ")) +
           text(status.state);
}

QString text(const TransactionNote &note)
{
    using Kind = TransactionNote::Kind;
    switch (note.kind) {
    case Kind::ProfileNotSaved: return QStringLiteral(" 档案保存失败") + storeFailure(note.why);
    case Kind::HistoryNotSaved: return QStringLiteral(" 历史记录失败");
    case Kind::CompanyNotSent: return QStringLiteral(" 未送达公司数据库");
    }
    return {};
}

QString text(const std::optional<ShipSize> &size)
{
    if (!size)
        return {};
    return QStringLiteral("船长:") + NumStr(size->length) + QStringLiteral("米   船宽:") + NumStr(size->width) + u'米';
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
        QString caption = str(field(d.slot).caption);
        if (caption.endsWith(u':'))
            caption.chop(1);
        // The blanks that fill a text to its width carry nothing to read.
        lines.append(QStringLiteral("%1  写入: %2  设备: %3").arg(caption, d.written.trimmed(), d.unit.trimmed()));
    }
    return lines.join(u'\n');
}

QString searchedPort(const UnitSearch::Candidate &port)
{
    return QStringLiteral("通讯口%1 (%2)").arg(port.number).arg(port.device);
}

QString searchSummary(const QList<UnitSearch::Candidate> &ports, const QList<FindOutcome> &outcomes)
{
    if (ports.isEmpty())
        return QStringLiteral("未找到设备:没有可以查找的通讯口");
    qsizetype units = 0;
    QString lines;
    for (qsizetype i = 0; i < ports.size(); ++i) {
        const FindOutcome outcome = outcomes.value(i);
        units += outcome.kind == FindOutcome::Unit;
        lines += u'\n' + searchedPort(ports[i]) + QStringLiteral(": ") + searchOutcome(outcome);
    }
    if (units == 0)
        return QStringLiteral("未找到设备") + lines;
    return QStringLiteral("找到%1台设备,请选择通讯口").arg(units) + lines;
}

QString traceSaved(const QString &path) { return QStringLiteral("通讯记录已保存:") + path; }
QString traceFailed(const QString &reason) { return QStringLiteral("无法写入通讯记录:") + reason; }

} // namespace aisset::catalogue
