#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Splits fuzzer bytes into texts: each byte pair is one UTF-16 code unit, so
// every character (controls, Chinese, lone surrogates) can turn up.
inline QString fuzzText(const uint8_t *data, size_t size)
{
    QString out;
    for (size_t i = 0; i + 1 < size; i += 2)
        out.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
    return out;
}

// The same bytes read as Latin-1 text, for inputs that are mostly ASCII.
inline QString fuzzLatin1(const uint8_t *data, size_t size)
{
    return QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A property every input must keep: a failure stops the fuzzer with a crash
// report and the input saved.
inline void check(bool condition)
{
    if (!condition)
        std::abort();
}
