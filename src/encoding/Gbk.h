#pragma once

#include <QByteArray>
#include <QString>
#include <QStringConverter>

#include <memory>

namespace aisset {

// Text travels on the serial line in the unit's code page, GBK (code page 936):
// ASCII as single bytes, other characters as two bytes, lead byte first.
// A character GBK cannot carry becomes "?". Undecodable bytes: a lead byte
// whose next byte cannot end a pair becomes U+FFFD and the next byte is read on
// its own; a lead byte at the very end is dropped; 0xFF becomes U+F8F5 (a
// private-use character) and 0x80 the euro sign, as code page 936 has them.
QByteArray toGbk(const QString &text);
QString fromGbk(const QByteArray &bytes);

// Stops the program with one message naming the code page when Qt cannot convert
// it (a Qt built without ICU knows no GBK): every conversion would otherwise give
// empty text, and the unit would be sent nothing with no word said. Every
// converter of this file is made through it.
void requireCodePage(const QStringConverter &converter, const char *name);

// The code of one character: its byte value, or its two bytes as one 16-bit
// number for a double-byte character. A character GBK cannot carry counts as "?".
int charCode(QChar c);

// Decodes a byte stream that may arrive in arbitrary chunks: a double-byte pair
// split between two chunks still becomes one character. Bytes that form no valid
// character become U+FFFD and never stall the stream.
class GbkStreamDecoder {
public:
    GbkStreamDecoder();
    ~GbkStreamDecoder();
    GbkStreamDecoder(const GbkStreamDecoder &) = delete;
    GbkStreamDecoder &operator=(const GbkStreamDecoder &) = delete;
    QString decode(const QByteArray &chunk);
    // Forgets a lead byte still waiting for its second byte.
    void reset();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace aisset
