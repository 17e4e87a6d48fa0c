#include "link/Console.h"

#include "link/Transmitter.h"
#include "model/Form.h"
#include "model/Host.h"

#include <algorithm>

namespace aisset {

namespace {

// The line ends CR and LF separate commands; every other control character
// would reach the unit as part of a sentence.
bool holdsControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c != u'\r' && c != u'\n' && (c.unicode() < 0x20 || c.unicode() == 0x7f);
    });
}

} // namespace

Console::Console(Form &form, Host &host, Transmitter &transmitter, ReplyDecoder decoder)
    : form_(form), host_(host), transmitter_(transmitter), decoder_(std::move(decoder))
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
    const QString command = form_.replyLog();
    if (command.isEmpty())
        return;
    if (holdsControlCharacter(command))
        return host_.showWarning(Message::ControlCharacterRefused);
    transmitter_.sendCommand(command);
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
