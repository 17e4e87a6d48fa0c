#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace aisset {

// Text travels on the serial line in the unit's code page, GBK (code page 936):
// ASCII as single bytes, other characters as two bytes, lead byte first.
QByteArray toGbk(const QString &text);
QString fromGbk(const QByteArray &bytes);

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
