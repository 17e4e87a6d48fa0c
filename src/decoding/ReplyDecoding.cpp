#include "decoding/ReplyDecoding.h"

#include "decoding/DecodeContext.h"
#include "decoding/FieldDecoders.h"
#include "decoding/ReplyLayout.h"
#include "decoding/ShipSize.h"
#include "decoding/StatusFields.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Normalise.h"

namespace aisset {

namespace {

struct ReplyField {
    int slot;
    const char16_t *progress; // transaction status while the field is decoded
    FieldDecoder decode;
    bool checked; // a choice field that must end with an entry
};

// The plain fields in reply order; the status characters follow them.
const ReplyField kReplyOrder[] = {
    {slot::factoryDate, u"拆分日期", decode::date, false},
    {slot::machineNumber, u"拆分机号", decode::digits, false},
    {slot::powerOnTime, u"拆分开机时间", decode::digits, false},
    {slot::vendorNumber, u"拆分编号", decode::text, false},
    {slot::crewCount, u"拆分船员人数", decode::digitsNoComma, false},
    {slot::callSign, u"拆分呼号", decode::text, false},
    {slot::shipType, u"拆分船型", decode::shipType, true},
    {slot::draught, u"拆分吃水深度", decode::draught, false},
    {slot::mmsi, u"拆分MMSI", decode::digits, false},
    {slot::imoNumber, u"拆分IMO", decode::digits, false},
    {slot::shipName, u"拆分船名", decode::text, false},
    {slot::antennaA, u"拆分POS", decode::metres, false},
    {slot::antennaB, u"拆分POS", decode::metres, false},
    {slot::antennaC, u"拆分POS", decode::metres, false},
    {slot::antennaD, u"拆分POS", decode::metres, false},
    {slot::epfdType, u"拆分定位装置", decode::epfdType, true},
    {slot::channel1, u"拆分频道1", decode::channel, false},
    {slot::channel2, u"拆分频道2", decode::channel, false},
    {slot::alarmRange, u"拆分靠近报警距离", decode::distance, true},
    {slot::soundPromptRange, u"拆分声音提示距离", decode::distance, true},
};

// Every way out of the decoding enables the window again.
DecodeResult finish(Form &form, DecodeResult result)
{
    form.setEnabled(true);
    return result;
}

} // namespace

std::function<DecodeResult(const QString &line)> standardDecoder(Form &form, Host &host)
{
    return [&form, &host](const QString &line) { return FP(form, host, line); };
}

DecodeResult FP(Form &form, Host &host, const QString &line)
{
    form.setTransactionStatus(QStringLiteral("拆分数据中。。。"));
    form.clearSentCommands();
    form.setEnabled(false);
    blankForm(form);

    DecodeContext context(form, host);
    for (const ReplyField &f : kReplyOrder) {
        form.setTransactionStatus(QString::fromUtf16(f.progress));
        f.decode(context, f.slot, cutField(line, f.slot));
        if (f.checked && !context.showsEntry(f.slot))
            return finish(form, DecodeResult::Failed);
    }

    form.setTransactionStatus(QStringLiteral("拆分状态"));
    if (!decodeStatusCharacters(context, cutAt(line, kStatusPosition, kStatusLength)))
        return finish(form, DecodeResult::Failed);

    form.appendSentCommand(context.valueList());
    ShowShipSize(form);
    form.appendSentCommand(context.cutList());
    form.appendSentCommand(context.valueList());
    return finish(form, DecodeResult::Decoded);
}

} // namespace aisset
