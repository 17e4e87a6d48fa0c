#include "link/Console.h"

#include "link/Transmitter.h"
#include "model/Form.h"

namespace aisset {

Console::Console(Form &form, Transmitter &transmitter, ReplyDecoder decoder)
    : form_(form), transmitter_(transmitter), decoder_(std::move(decoder))
{}

void Console::click(int button)
{
    switch (button) {
    case ClearData: clearData(); break;
    case SplitData: splitData(); break;
    case SendData: sendData(); break;
    case CopyCommands: copyCommands(); break;
    default: break;
    }
}

void Console::clearData()
{
    form_.setReplyLog({});
    form_.setReceiveLog({});
    form_.clearSentCommands();
}

void Console::splitData()
{
    if (decoder_)
        (void)decoder_(form_.receiveLog());
}

void Console::sendData()
{
    if (!form_.replyLog().isEmpty())
        transmitter_.sendCommand(form_.replyLog());
}

void Console::copyCommands()
{
    QString text;
    for (const QString &entry : form_.sentCommands())
        text += entry + QStringLiteral("\r\n");
    form_.setReplyLog(text);
}

void Console::selectSentCommand(int index)
{
    if (index >= 0 && index < form_.sentCommands().size())
        form_.setReplyLog(form_.sentCommands().at(index));
}

} // namespace aisset
