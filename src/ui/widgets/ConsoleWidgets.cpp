#include "ui/widgets/ConsoleWidgets.h"

#include "model/TextMark.h"
#include "ui/core/MainCore.h"
#include "ui/text/Language.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace aisset::ui {

namespace {

const char16_t *const kButtonCaptions[] = {AISSET_TEXT("Console", "清空数据"), AISSET_TEXT("Console", "拆分数据"),
                                           AISSET_TEXT("Console", "发送数据"), AISSET_TEXT("Console", "复制指令")};

// The logs keep the line ends as they were received or sent (CR LF); a text box
// shows a line end as one break, and a break the user types is a CR LF.
QString shownText(const QString &log)
{
    QString text = log;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString typedText(const QString &shown)
{
    QString text = shown;
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

// An entry of the list of sent commands may end in its own CR LF; the list
// shows the entry on one line.
QString shownEntry(const QString &entry)
{
    QString text = entry;
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

QPlainTextEdit *logBox(const QString &name, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return box;
}

// A box the core has not changed keeps its caret and scroll position. Text the
// core appended (the receive path does, chunk by chunk) is added at the end, so
// that a long log is not laid out anew for every chunk; the box shows its end.
void showLog(QPlainTextEdit *box, const QString &log)
{
    const QString text = shownText(log);
    const QString shown = box->toPlainText();
    if (shown == text)
        return;
    if (!shown.isEmpty() && text.startsWith(shown)) {
        QTextCursor end(box->document());
        end.movePosition(QTextCursor::End);
        end.insertText(text.mid(shown.size()));
    } else {
        box->setPlainText(text);
    }
    box->moveCursor(QTextCursor::End);
}

} // namespace

ConsoleWidgets::ConsoleWidgets(MainCore &core, QWidget *area, const Twips &twips) : core_(core), twips_(twips)
{
    createSentCommands(area);
    createReceivedData(area);
    bindForm();
    for (int f = 0; f < 2; ++f)
        place(f);
}

void ConsoleWidgets::createSentCommands(QWidget *area)
{
    auto *frame = new QGroupBox(text::translate("Console", "发出的指令集"), area);
    frame->setObjectName(QStringLiteral("Frame1_0"));
    sentCommands_ = new QListWidget(frame);
    sentCommands_->setObjectName(QStringLiteral("List3"));
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(sentCommands_);
    frames_[0] = frame;

    // Selecting an entry, by click or by keyboard, copies it; so does a click on
    // the entry already selected. (The list's current entry on taking the focus
    // is no selection.)
    Console &console = core_.link().console();
    auto copy = [this, &console](QListWidgetItem *item) {
        if (!followingCore_ && item)
            console.selectSentCommand(sentCommands_->row(item));
    };
    QObject::connect(sentCommands_, &QListWidget::itemSelectionChanged, &lifetime_, [this, copy] {
        const QList<QListWidgetItem *> selected = sentCommands_->selectedItems();
        copy(selected.isEmpty() ? nullptr : selected.first());
    });
    QObject::connect(sentCommands_, &QListWidget::itemClicked, &lifetime_, copy);
}

void ConsoleWidgets::createReceivedData(QWidget *area)
{
    auto *frame = new QGroupBox(text::translate("Console", "收到的数据"), area);
    frame->setObjectName(QStringLiteral("Frame1_1"));
    commandText_ = logBox(QStringLiteral("Text2"), frame);
    receiveLog_ = logBox(QStringLiteral("Text6"), frame);
    // Tab moves on, as in every other field: a box never keeps the keyboard.
    for (QPlainTextEdit *box : {commandText_, receiveLog_})
        box->setTabChangesFocus(true);
    auto *buttons = new QHBoxLayout;
    Console &console = core_.link().console();
    for (int b = 0; b < 4; ++b) {
        auto *button = new QPushButton(text::translate("Console", kButtonCaptions[b]), frame);
        button->setObjectName(QStringLiteral("Command1_%1").arg(b));
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, frame, [&console, b] { console.click(b); });
        buttons->addWidget(button);
    }
    auto *layout = new QGridLayout(frame);
    layout->addWidget(commandText_, 0, 0);
    layout->addWidget(receiveLog_, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
    frames_[1] = frame;

    Form &form = core_.form();
    QObject::connect(commandText_, &QPlainTextEdit::textChanged, &lifetime_, [this, &form] {
        if (!followingCore_)
            form.setReplyLog(typedText(commandText_->toPlainText()));
    });
    QObject::connect(receiveLog_, &QPlainTextEdit::textChanged, &lifetime_, [this, &form] {
        if (!followingCore_)
            form.setReceiveLog(typedText(receiveLog_->toPlainText()));
    });
}

void ConsoleWidgets::bindForm()
{
    Form &form = core_.form();
    QObject::connect(&form, &Form::sentCommandsChanged, &lifetime_, [this] { showSentCommands(); });
    QObject::connect(&form, &Form::logsChanged, &lifetime_, [this] { showLogs(); });
    QObject::connect(&core_.layout(), &WindowLayout::changed, &lifetime_,
                     [this](WindowLayout::Element element, int index) {
                         if (element == WindowLayout::Element::ConsoleFrame)
                             place(index);
                     });
    showSentCommands();
    showLogs();
}

void ConsoleWidgets::showSentCommands()
{
    followingCore_ = true;
    sentCommands_->clear();
    for (const QString &entry : core_.form().sentCommands())
        sentCommands_->addItem(shownEntry(entry));
    followingCore_ = false;
}

void ConsoleWidgets::showLogs()
{
    followingCore_ = true;
    showLog(commandText_, core_.form().replyLog());
    showLog(receiveLog_, core_.form().receiveLog());
    followingCore_ = false;
}

void ConsoleWidgets::place(int frame)
{
    const Placement &p = core_.layout().consoleFrame(frame);
    QGroupBox *box = frames_.at(std::size_t(frame));
    box->setGeometry(twips_.rect(p.left, p.top, p.width, p.height));
    box->setVisible(p.visible);
    if (p.visible)
        box->raise(); // above the pages' widgets that share the window's lower part
}

} // namespace aisset::ui
