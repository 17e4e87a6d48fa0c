#include "link/LinkSession.h"

#include "encoding/Builders.h"
#include "link/QtSerialLine.h"

namespace aisset {

namespace {
std::unique_ptr<SerialLine> orQtLine(std::unique_ptr<SerialLine> line)
{
    return line ? std::move(line) : std::make_unique<QtSerialLine>();
}
} // namespace

LinkSession::LinkSession(Form &form, Host &host, SettingStore &store, ReplyDecoder decoder, SentenceBuilder build,
                         Options options, QObject *parent)
    : QObject(parent), line_(orQtLine(std::move(options.line))), transmitter_(*line_), ports_(*line_, form, store),
      receive_(*line_, state_, form, host, transmitter_, decoder),
      transactions_(state_, form, host, transmitter_, std::move(build), std::move(options.wait)),
      console_(form, host, transmitter_, std::move(decoder))
{
    state_.log.setForm(&form);
}

LinkSession::~LinkSession()
{
    endTransactions();
    line_->close();
}

void LinkSession::setObserver(TransactionObserver *observer) { state_.log.setObserver(observer); }

SentenceBuilder LinkSession::standardBuilder(Form &form, Host &host, RecordSink *records)
{
    return [&form, &host, records](Group group) { return buildSentence(group, form, host, records); };
}

} // namespace aisset
