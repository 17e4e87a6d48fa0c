#include "encoding/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace aisset {

namespace {
constexpr const char *kCodePage = "GBK";

QStringEncoder gbkEncoder()
{
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    requireCodePage(encoder, kCodePage);
    return encoder;
}

QStringDecoder gbkDecoder(QStringConverter::Flags flags)
{
    QStringDecoder decoder(kCodePage, flags);
    requireCodePage(decoder, kCodePage);
    return decoder;
}
} // namespace

void requireCodePage(const QStringConverter &converter, const char *name)
{
    if (!converter.isValid())
        qFatal("aisset: Qt cannot convert the code page %s (a Qt built without ICU?); "
               "text to and from the unit cannot be carried.",
               name);
}

QByteArray toGbk(const QString &text)
{
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return text.toLatin1();
    QStringEncoder encoder = gbkEncoder();
    return encoder.encode(text);
}

QString fromGbk(const QByteArray &bytes)
{
    QStringDecoder decoder = gbkDecoder(QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

int charCode(QChar c)
{
    if (c.unicode() < 0x80)
        return c.unicode();
    thread_local QStringEncoder encoder = gbkEncoder();
    const QByteArray bytes = encoder.encode(QStringView(&c, 1));
    if (bytes.size() == 1)
        return static_cast<unsigned char>(bytes[0]);
    if (bytes.size() == 2)
        return (static_cast<unsigned char>(bytes[0]) << 8) | static_cast<unsigned char>(bytes[1]);
    return u'?';
}

struct GbkStreamDecoder::Impl {
    QStringDecoder decoder = gbkDecoder(QStringConverter::Flag::Default);
};

// The converter is opened with the first bytes: a window that never hears its
// unit does not load the code tables.
GbkStreamDecoder::GbkStreamDecoder() = default;
GbkStreamDecoder::~GbkStreamDecoder() = default;

QString GbkStreamDecoder::decode(const QByteArray &chunk)
{
    if (!impl_)
        impl_ = std::make_unique<Impl>();
    return impl_->decoder.decode(chunk);
}

void GbkStreamDecoder::reset()
{
    if (impl_)
        impl_->decoder.resetState();
}

} // namespace aisset
