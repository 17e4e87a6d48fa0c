#pragma once

#include "link/ReplyDecoder.h"

namespace aisset {

class Form;
class Host;
class Transmitter;

// The manual console: the list of sent commands, the command text (the reply
// log, which the user may edit) and the raw receive log, with four buttons.
class Console {
public:
    enum Button { ClearData = 0, SplitData = 1, SendData = 2, CopyCommands = 3 };

    Console(Form &form, Host &host, Transmitter &transmitter, ReplyDecoder decoder);

    void click(int button); // Command1

    // "清空数据": empties the command text, the raw receive log and the list.
    void clearData();
    // "拆分数据": runs the decoding over the raw receive log; the link's state is
    // left alone and nothing is sent.
    void splitData();
    // "发送数据": sends the command text exactly as it stands (no CR LF added). A
    // text holding a control character other than the line ends is refused with
    // Message::ControlCharacterRefused and nothing is sent.
    void sendData();
    // "复制指令": the command text becomes every sent command, each with CR LF.
    void copyCommands();
    // Selecting an entry of the list of sent commands copies it into the command text.
    void selectSentCommand(int index);

private:
    Form &form_;
    Host &host_;
    Transmitter &transmitter_;
    ReplyDecoder decoder_;
};

} // namespace aisset
