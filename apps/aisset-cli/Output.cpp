#include "Output.h"

#include <QJsonDocument>

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace aisset::cli {

namespace {
constexpr qsizetype kShownLength = 60; // characters of an echoed value
int outputErrno = 0;                   // the first error writing standard output, 0 while none
} // namespace

void writeStdout(const QByteArray &bytes)
{
    // Each print is flushed at once: a full disk or a closed pipe shows here, not
    // only when the process ends and nobody looks any more.
    errno = 0;
    const bool written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) == std::size_t(bytes.size());
    if ((std::fflush(stdout) != 0 || !written) && outputErrno == 0)
        outputErrno = errno != 0 ? errno : EIO;
}

std::optional<QString> outputFailure()
{
    if (outputErrno == 0 && std::fflush(stdout) != 0)
        outputErrno = errno != 0 ? errno : EIO;
    if (outputErrno == 0)
        return std::nullopt;
    return QString::fromLocal8Bit(std::strerror(outputErrno));
}

void printJson(const QJsonObject &object) { writeStdout(QJsonDocument(object).toJson(QJsonDocument::Indented)); }

void printError(const QString &text)
{
    // Messages name files, devices and values from outside: whatever they hold
    // reaches the terminal written out. Only the message's own line ends stay.
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = escapeControls(line);
    const QByteArray bytes = lines.join(u'\n').toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

QString escapeControls(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            out.append(c);
        else if (c == u'\r')
            out.append(u"\\r");
        else if (c == u'\n')
            out.append(u"\\n");
        else if (c == u'\t')
            out.append(u"\\t");
        else if (c == u'\x1b')
            out.append(u"\\e");
        else
            out.append((c.unicode() < 0x80 ? u"\\x"_s : u"\\u"_s) +
                       QString::number(c.unicode(), 16).toUpper().rightJustified(c.unicode() < 0x80 ? 2 : 4, u'0'));
    }
    return out;
}

QString shownValue(const QString &value)
{
    if (value.size() <= kShownLength)
        return escapeControls(value);
    return QStringLiteral("%1... (%2 characters)").arg(escapeControls(value.left(kShownLength))).arg(value.size());
}

} // namespace aisset::cli
