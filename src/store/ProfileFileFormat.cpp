#include "ProfileFileFormat.h"

#include <QFileDevice>
#include <QIODevice>

namespace aisset {

namespace {

void appendEscaped(QString &out, const QString &text)
{
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

bool readProfileFile(QIODevice &device, QSettings::SettingsMap &map)
{
    const QString text = QString::fromUtf8(device.readAll());
    QString key;
    QString value;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r')) // a line end written by another editor
            line.chop(1);
        if (parseLine(line, key, value))
            map.insert(key, value);
    }
    return true;
}

bool writeProfileFile(QIODevice &device, const QSettings::SettingsMap &map)
{
    QString text;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        appendEscaped(text, it.key());
        text += u'=';
        appendEscaped(text, it.value().toString());
        text += u'\n';
    }
    const QByteArray bytes = text.toUtf8();
    if (device.write(bytes) != bytes.size())
        return false;
    // The file device buffers; flushing here is the only way to see a short write
    // (a full disk), which the file's own commit would let pass.
    auto *file = qobject_cast<QFileDevice *>(&device);
    return file == nullptr || file->flush();
}

} // namespace

QSettings::Format profileFileFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), readProfileFile, writeProfileFile);
    return format;
}

} // namespace aisset
