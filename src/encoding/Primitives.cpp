#include "encoding/Primitives.h"

#include "encoding/Gbk.h"

#include <QByteArray>

#include <cmath>

namespace aisset {

namespace {
int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }
} // namespace

QString btoascT(const QString &text)
{
    QString out;
    out.reserve(text.size() * 2);
    for (QChar c : text)
        out += A10to16(charCode(c));
    return out;
}

QString asctobT(const QString &hex)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < hex.size(); i += 2)
        bytes.append(static_cast<char>(A16to10(hex.mid(i, 2)) & 0xFF));
    return fromGbk(bytes);
}

int32_t A16to10(const QString &hex)
{
    // Unsigned arithmetic wraps on overlong input instead of overflowing.
    uint32_t value = 0;
    uint32_t weight = 1;
    for (qsizetype i = hex.size() - 1; i >= 0; --i) {
        const int d = hexDigit(hex[i]);
        if (d > 0)
            value += uint32_t(d) * weight;
        weight *= 16u;
    }
    return static_cast<int32_t>(value);
}

QString A10to16(int64_t value)
{
    if (value <= 0)
        return {};
    return QString::number(value, 16).toUpper();
}

QString A10TO2(int64_t value)
{
    if (value < 1)
        return QStringLiteral("0");
    return QString::number(value, 2);
}

int64_t A2TO10(const QString &binary)
{
    uint64_t value = 0;
    for (QChar c : binary) {
        int64_t digit = 0;
        if (c == u'1')
            digit = 1;
        else if (c != u'0')
            digit = static_cast<int64_t>(NumVal(QString(c)));
        value = value * 2u + uint64_t(digit);
    }
    return static_cast<int64_t>(value);
}

QString A2TO16(const QString &binary)
{
    QString bits = binary;
    if (bits.size() % 4 != 0)
        bits.prepend(QString(4 - bits.size() % 4, u'0'));
    QString out;
    for (qsizetype i = 0; i < bits.size(); i += 4) {
        int nibble = 0;
        bool valid = true;
        for (qsizetype k = i; k < i + 4; ++k) {
            valid = valid && (bits[k] == u'0' || bits[k] == u'1');
            nibble = nibble * 2 + (bits[k] == u'1' ? 1 : 0);
        }
        if (valid)
            out += QChar(u"0123456789ABCDEF"[nibble]);
    }
    return out;
}

QString A16TO2(const QString &hex)
{
    QString out;
    for (QChar c : hex) {
        const int d = hexDigit(c);
        if (d >= 0)
            out += QString::number(d, 2).rightJustified(4, u'0');
    }
    return out;
}

QString Allc(const QString &text, int width)
{
    return text.size() >= width ? text : QString(width - text.size(), u'0') + text;
}

QString AllBB(const QString &text, int width)
{
    return text.size() >= width ? text : text + QString(width - text.size(), u' ');
}

QString A8T6(const QString &sixBits)
{
    return (sixBits.startsWith(u'0') ? QStringLiteral("01") : QStringLiteral("00")) + sixBits;
}

QChar sixBitChar(int v)
{
    v &= 63;
    return QChar(v < 32 ? 64 + v : v);
}

int sixBitValue(QChar c)
{
    const int code = c.unicode();
    return (code >= 64 ? code - 64 : code) & 63;
}

QString a16All(const QString &hex)
{
    if (hex.isEmpty())
        return {};
    QString running = A16TO2(hex.mid(0, 2));
    for (qsizetype i = 2; i < hex.size(); i += 2) {
        QString next = A16TO2(hex.mid(i, 2));
        const qsizetype width = std::max(running.size(), next.size());
        running = running.rightJustified(width, u'0');
        next = next.rightJustified(width, u'0');
        for (qsizetype k = 0; k < width; ++k)
            running[k] = running[k] == next[k] ? u'0' : u'1';
    }
    return A2TO16(running);
}

QString checksum(const QString &text)
{
    if (text.isEmpty())
        return {};
    unsigned char sum = 0;
    for (char b : toGbk(text))
        sum ^= static_cast<unsigned char>(b);
    return QString::number(sum, 16).toUpper().rightJustified(2, u'0');
}

QString frameCode(const QString &address, const QString &body)
{
    const QString checked = address + u',' + body;
    return u'$' + checked + u'*' + checksum(checked) + QStringLiteral("\r\n");
}

QString displayLine(const QString &sentence)
{
    QString line = sentence;
    if (line.endsWith(QStringLiteral("\r\n")))
        line.chop(2);
    return line + QStringLiteral("Chr(13)Chr(10)");
}

double NumVal(const QString &text)
{
    QString number;
    bool point = false;
    bool started = false;
    for (QChar c : text) {
        if (isBlank(c))
            continue;
        if (!started && (c == u'+' || c == u'-')) {
            number += c;
            started = true;
        } else if (c >= u'0' && c <= u'9') {
            number += c;
            started = true;
        } else if (c == u'.' && !point) {
            number += c;
            point = true;
            started = true;
        } else {
            break;
        }
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

bool IsNum(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    bool digit = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= u'0' && t[i] <= u'9')
            digit = true;
        else if (t[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

QString NumStr(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    QString s = QString::number(value, 'g', 15);
    if (s.contains(u'e') && std::fabs(value) < 1e15) {
        s = QString::number(value, 'f', 15);
        // Keep at most 15 significant digits, then drop trailing zeros and point.
        s = QString::number(s.toDouble(), 'f', 15);
    }
    if (s.contains(u'.') && !s.contains(u'e')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    if (s == QStringLiteral("-0"))
        s = QStringLiteral("0");
    return s;
}

} // namespace aisset
