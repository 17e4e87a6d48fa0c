#include "encoding/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace aisset {

namespace {
constexpr const char *kCodePage = "GBK";
} // namespace

QByteArray toGbk(const QString &text)
{
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return text.toLatin1();
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QString fromGbk(const QByteArray &bytes)
{
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

int charCode(QChar c)
{
    if (c.unicode() < 0x80)
        return c.unicode();
    thread_local QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(QStringView(&c, 1));
    if (bytes.size() == 1)
        return static_cast<unsigned char>(bytes[0]);
    if (bytes.size() == 2)
        return (static_cast<unsigned char>(bytes[0]) << 8) | static_cast<unsigned char>(bytes[1]);
    return u'?';
}

struct GbkStreamDecoder::Impl {
    QStringDecoder decoder{kCodePage};
};

GbkStreamDecoder::GbkStreamDecoder() : impl_(std::make_unique<Impl>()) {}
GbkStreamDecoder::~GbkStreamDecoder() = default;

QString GbkStreamDecoder::decode(const QByteArray &chunk) { return impl_->decoder.decode(chunk); }

void GbkStreamDecoder::reset() { impl_->decoder.resetState(); }

} // namespace aisset
