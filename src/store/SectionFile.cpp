#include "store/SectionFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>

namespace aisset {

namespace {

bool needsEscape(QChar c) { return c == u'\\' || c == u'=' || c == u'\n' || c == u'\r'; }

QByteArray escaped(const QString &text)
{
    // Most texts hold nothing to escape; the list of record names runs to 1 MB.
    if (std::none_of(text.cbegin(), text.cend(), needsEscape))
        return text.toUtf8();
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += u"\\\\"; break;
        case u'=': out += u"\\="; break;
        case u'\n': out += u"\\n"; break;
        case u'\r': out += u"\\r"; break;
        default: out += c;
        }
    }
    return out.toUtf8();
}

QString unescaped(QByteArrayView raw)
{
    const QString text = QString::fromUtf8(raw);
    if (!text.contains(u'\\'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            c = text[++i];
            c = c == u'n' ? QChar(u'\n') : c == u'r' ? QChar(u'\r') : c;
        }
        out += c;
    }
    return out;
}

// A line as its key and value are read from it: without the CR another editor
// may have left before the line end.
QByteArrayView content(QByteArrayView line) { return line.endsWith('\r') ? line.chopped(1) : line; }

// Calls visit with each line of the bytes, split at "\n"; the last is what follows
// the last line end (empty when the bytes end with one).
template <typename Visit>
void forEachLine(QByteArrayView bytes, Visit visit)
{
    for (qsizetype start = 0;;) {
        const qsizetype end = bytes.indexOf('\n', start);
        visit(bytes.sliced(start, (end < 0 ? bytes.size() : end) - start));
        if (end < 0)
            return;
        start = end + 1;
    }
}

// The position of the first "=" that is not escaped; -1 when there is none.
qsizetype separatorOf(QByteArrayView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '\\')
            ++i;
        else if (line[i] == '=')
            return i;
    }
    return -1;
}

// Whether the text ends in a backslash that escapes nothing yet, so that text
// appended to it would be read differently.
bool endsInOpenEscape(QByteArrayView text)
{
    qsizetype run = 0;
    while (run < text.size() && text[text.size() - 1 - run] == '\\')
        ++run;
    return run % 2 == 1;
}

} // namespace

SectionFile SectionFile::fromBytes(QByteArrayView bytes)
{
    SectionFile file;
    // Each line is copied once, straight from the bytes: the list of record
    // names is one line of a megabyte, and every extra copy of it is memory a
    // fresh process must fault in.
    forEachLine(bytes, [&](QByteArrayView line) { file.lines_.append(line.toByteArray()); });
    file.reindex();
    return file;
}

bool SectionFile::peek(QByteArrayView bytes, const QStringList &keys, QList<std::optional<QByteArrayView>> &values)
{
    QStringList folded;
    for (const QString &key : keys)
        folded.append(key.toCaseFolded());
    values = QList<std::optional<QByteArrayView>>(keys.size());
    bool plain = true;
    forEachLine(bytes, [&](QByteArrayView whole) {
        const QByteArrayView line = content(whole);
        const qsizetype separator = separatorOf(line);
        if (!plain || separator <= 0)
            return;
        const qsizetype at = folded.indexOf(unescaped(line.first(separator)).toCaseFolded());
        if (at < 0)
            return;
        const QByteArrayView value = line.sliced(separator + 1);
        plain = std::all_of(value.cbegin(), value.cend(), [](char c) { return c != '\\' && uchar(c) < 0x80; });
        values[at] = value;
    });
    return plain;
}

std::optional<SectionFile> SectionFile::load(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return fromBytes({});
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Mapped, the file's pages are not copied into a buffer before they are
    // copied into lines; reading is the way where a file cannot be mapped.
    const qint64 size = file.size();
    if (const uchar *mapped = size > 0 ? file.map(0, size) : nullptr)
        return fromBytes(QByteArrayView(reinterpret_cast<const char *>(mapped), size));
    return fromBytes(file.readAll());
}

QByteArray SectionFile::toBytes() const { return lines_.join('\n'); }

namespace {
// False, keeping the system's error number of the step that failed (when asked
// for), taken before anything else can change it.
bool failedWith(int *systemError)
{
    if (systemError)
        *systemError = errno;
    return false;
}
} // namespace

bool SectionFile::writeLines(QIODevice &file) const
{
    bool written = true;
    for (qsizetype i = 0; written && i < lines_.size(); ++i) {
        written = file.write(lines_[i]) == lines_[i].size();
        if (written && i + 1 < lines_.size())
            written = file.write("\n", 1) == 1;
    }
    return written;
}

bool SectionFile::saveUnflushed(const QString &path, int *systemError) const
{
    errno = 0;
    if (!QDir().mkpath(QFileInfo(path).path()))
        return failedWith(systemError);
    // The temporary's name is the one QSaveFile gives, so that one left by a
    // killed run is cleared as theirs are.
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return failedWith(systemError);
    if (!writeLines(file) || !file.flush())
        return failedWith(systemError);
    file.close();
    if (!file.rename(path))
        return failedWith(systemError);
    file.setAutoRemove(false);
    return true;
}

bool SectionFile::save(const QString &path, int *systemError) const
{
    errno = 0;
    if (!QDir().mkpath(QFileInfo(path).path()))
        return failedWith(systemError);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failedWith(systemError);
    // Line by line rather than joined first: a megabyte-long line is written
    // from where it is, not from a copy. The file buffers its writes, and its
    // commit lets a short final write pass (a full disk); flushing first is the
    // only way to see it.
    if (!writeLines(file) || !file.flush()) {
        failedWith(systemError);
        file.cancelWriting();
        return false;
    }
    return file.commit() || failedWith(systemError);
}

void SectionFile::index(qsizetype line)
{
    const QByteArrayView text = content(lines_[line]);
    const qsizetype separator = separatorOf(text);
    if (separator <= 0)
        return;
    const QString key = unescaped(text.first(separator));
    if (!key.isEmpty())
        keys_.insert(key.toCaseFolded(), {line, separator + 1});
}

void SectionFile::reindex()
{
    keys_.clear();
    for (qsizetype line = 0; line < lines_.size(); ++line)
        index(line);
}

std::optional<QString> SectionFile::value(const QString &key) const
{
    const auto found = keys_.constFind(key.toCaseFolded());
    if (found == keys_.cend())
        return std::nullopt;
    return unescaped(content(lines_[found->line]).sliced(found->valueStart));
}

void SectionFile::putLine(const QString &foldedKey, const QByteArray &line)
{
    if (const auto found = keys_.constFind(foldedKey); found != keys_.cend()) {
        if (lines_[found->line] == line)
            return;
        lines_[found->line] = line;
        changed_ = true;
        index(found->line);
        return;
    }
    changed_ = true;
    // A new key goes last; a file that does not end with a line end gets one first.
    if (lines_.constLast().isEmpty())
        lines_.insert(lines_.size() - 1, line);
    else
        lines_ << line << QByteArray();
    index(lines_.size() - 2);
}

void SectionFile::setValue(const QString &key, const QString &value)
{
    const QString folded = key.toCaseFolded();
    putLine(folded, escaped(folded) + '=' + escaped(value));
}

void SectionFile::appendToValue(const QString &key, const QString &text)
{
    const auto found = keys_.constFind(key.toCaseFolded());
    if (found == keys_.cend()) {
        setValue(key, text);
        return;
    }
    QByteArray &line = lines_[found->line];
    if (line.endsWith('\r') || endsInOpenEscape(line)) {
        setValue(key, *value(key) + text);
        return;
    }
    line += escaped(text);
    changed_ = changed_ || !text.isEmpty();
}

void SectionFile::remove(const QString &key)
{
    const QString folded = key.toCaseFolded();
    if (!keys_.contains(folded))
        return;
    const auto holdsKey = [&](const QByteArray &line) {
        const QByteArrayView text = content(line);
        const qsizetype separator = separatorOf(text);
        return separator > 0 && unescaped(text.first(separator)).toCaseFolded() == folded;
    };
    // The line after the last line end goes with the line end before it, so
    // that the other lines keep theirs.
    const bool lastGoes = holdsKey(lines_.constLast());
    lines_.removeIf(holdsKey);
    if (lastGoes)
        lines_.append(QByteArray());
    changed_ = true;
    reindex();
}

} // namespace aisset
