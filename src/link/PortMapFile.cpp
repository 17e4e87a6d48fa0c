#include "link/PortMapFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>

namespace aisset {

namespace {

const QRegularExpression &settingLine()
{
    static const QRegularExpression line(QStringLiteral(R"(^\s*((?:com)?\d+|by-id|by-path)\s*=\s*(\S.*?)\s*$)"),
                                         QRegularExpression::CaseInsensitiveOption);
    return line;
}

// The port number a line maps, or 0 for any other line.
int portOfLine(const QString &line)
{
    if (line.trimmed().startsWith(u'#'))
        return 0;
    const QRegularExpressionMatch m = settingLine().match(line);
    if (!m.hasMatch())
        return 0;
    QString key = m.captured(1).toLower();
    if (key.startsWith(u"com"))
        key = key.mid(3);
    bool isNumber = false;
    const int number = key.toInt(&isNumber);
    return isNumber ? number : 0;
}

QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line end
    return lines;
}

QString joined(const QStringList &lines) { return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n'; }

} // namespace

PortMapFile parsePortMap(const QString &text)
{
    PortMapFile file;
    for (const QString &line : text.split(u'\n')) {
        if (line.trimmed().startsWith(u'#'))
            continue;
        const QRegularExpressionMatch m = settingLine().match(line);
        if (!m.hasMatch())
            continue;
        const QString key = m.captured(1).toLower();
        if (key == u"by-id")
            file.byIdFolder = m.captured(2);
        else if (key == u"by-path")
            file.byPathFolder = m.captured(2);
        else
            file.ports.insert(portOfLine(line), m.captured(2));
    }
    return file;
}

QString withPortPinned(const QString &text, int number, const QString &device)
{
    const QString entry = QStringLiteral("%1 = %2").arg(number).arg(device);
    QStringList lines;
    bool placed = false;
    for (const QString &line : linesOf(text)) {
        if (portOfLine(line) != number) {
            lines.append(line);
        } else if (!placed) {
            lines.append(entry);
            placed = true;
        }
    }
    if (!placed)
        lines.append(entry);
    return joined(lines);
}

QString withPortUnpinned(const QString &text, int number, bool *removed)
{
    QStringList lines;
    bool any = false;
    for (const QString &line : linesOf(text)) {
        if (portOfLine(line) == number)
            any = true;
        else
            lines.append(line);
    }
    if (removed)
        *removed = any;
    return joined(lines);
}

QString readPortMapText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString writePortMapText(const QString &path, const QString &text)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("cannot make the folder of ") + path;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return path + QStringLiteral(": ") + file.errorString();
    return {};
}

} // namespace aisset
