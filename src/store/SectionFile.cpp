#include "SectionFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace aisset {

namespace {

bool needsEscape(QChar c)
{
    return c == u'\\' || c == u'=' || c == u'\n' || c == u'\r';
}

void appendEscaped(QString &out, const QString &text)
{
    // Most texts hold nothing to escape; the list of record names runs to 100 kB.
    if (std::none_of(text.cbegin(), text.cend(), needsEscape)) {
        out += text;
        return;
    }
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += u"\\\\"; break;
        case u'=': out += u"\\="; break;
        case u'\n': out += u"\\n"; break;
        case u'\r': out += u"\\r"; break;
        default: out += c;
        }
    }
}

QChar unescaped(QChar c)
{
    switch (c.unicode()) {
    case u'n': return u'\n';
    case u'r': return u'\r';
    default: return c;
    }
}

// Parses one line into key and value; false when it holds no "=" or no key.
bool parseLine(QStringView line, QString &key, QString &value)
{
    if (!line.contains(u'\\')) {
        const qsizetype separator = line.indexOf(u'=');
        if (separator <= 0)
            return false;
        key = line.left(separator).toString();
        value = line.mid(separator + 1).toString();
        return true;
    }
    key.clear();
    value.clear();
    QString *part = &key;
    bool separated = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'\\' && i + 1 < line.size()) {
            *part += unescaped(line[++i]);
        } else if (c == u'=' && !separated) {
            separated = true;
            part = &value;
        } else {
            *part += c;
        }
    }
    return separated && !key.isEmpty();
}

SectionValues parse(const QString &text)
{
    SectionValues values;
    QString key;
    QString value;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r')) // a line end written by another editor
            line.chop(1);
        if (parseLine(line, key, value))
            values.insert(key, value);
    }
    return values;
}

QByteArray serialise(const SectionValues &values)
{
    QString text;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        appendEscaped(text, it.key());
        text += u'=';
        appendEscaped(text, it.value());
        text += u'\n';
    }
    return text.toUtf8();
}

} // namespace

SectionValues parseSectionText(QByteArrayView content)
{
    return parse(QString::fromUtf8(content));
}

std::optional<SectionValues> readSectionFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return SectionValues();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parseSectionText(file.readAll());
}

bool writeSectionFile(const QString &path, const SectionValues &values)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = serialise(values);
    // The file buffers its writes, and its commit lets a short final write pass
    // (a full disk); flushing first is the only way to see it.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace aisset
