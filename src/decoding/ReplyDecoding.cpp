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
    FieldDecoder decode;
    bool checked; // a choice field that must end with an entry
};

// The plain fields in reply order; the status characters follow them. The
// transaction status names each field while it is decoded.
const ReplyField kReplyOrder[] = {
    {slot::factoryDate, decode::date, false},
    {slot::machineNumber, decode::digits, false},
    {slot::powerOnTime, decode::digits, false},
    {slot::vendorNumber, decode::text, false},
    {slot::crewCount, decode::digitsNoComma, false},
    {slot::callSign, decode::text, false},
    {slot::shipType, decode::shipType, true},
    {slot::draught, decode::draught, false},
    {slot::mmsi, decode::digits, false},
    {slot::imoNumber, decode::digits, false},
    {slot::shipName, decode::text, false},
    {slot::antennaA, decode::metres, false},
    {slot::antennaB, decode::metres, false},
    {slot::antennaC, decode::metres, false},
    {slot::antennaD, decode::metres, false},
    {slot::epfdType, decode::epfdType, true},
    {slot::channel1, decode::channel, false},
    {slot::channel2, decode::channel, false},
    {slot::alarmRange, decode::distance, true},
    {slot::soundPromptRange, decode::distance, true},
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
    form.setTransactionStatus({TransactionStatus::Kind::DecodingStarted});
    form.clearSentCommands();
    form.setEnabled(false);
    blankForm(form);

    DecodeContext context(form, host);
    for (const ReplyField &f : kReplyOrder) {
        form.setTransactionStatus(TransactionStatus::decodingField(f.slot));
        f.decode(context, f.slot, cutField(line, f.slot));
        if (f.checked && !context.showsEntry(f.slot))
            return finish(form, DecodeResult::Failed);
    }

    form.setTransactionStatus({TransactionStatus::Kind::DecodingStatusBits});
    if (!decodeStatusCharacters(context, cutAt(line, kStatusPosition, kStatusLength)))
        return finish(form, DecodeResult::Failed);

    form.appendSentCommand(context.valueList());
    ShowShipSize(form);
    form.appendSentCommand(context.cutList());
    form.appendSentCommand(context.valueList());
    return finish(form, DecodeResult::Decoded);
}

} // namespace aisset
