#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace aisset {

// One section of the store as the bytes of its file: UTF-8 lines "key=value", with
// "\", "=", CR and LF escaped by a backslash, keys case-folded.
//
// The file is kept as the lines it was read from. Changing a key rewrites that
// key's line only; every other line, with bytes that are not UTF-8, lines without
// "=", line ends of another editor, stays byte for byte as it was, so that a
// hand-edited or older file loses nothing when the store saves into it.
class SectionFile {
public:
    // Parses a file's bytes; lines that cannot be made out are kept but hold no key.
    static SectionFile fromBytes(QByteArrayView bytes);
    // The file at path; an empty section when there is no file, none when the file
    // exists but cannot be read.
    static std::optional<SectionFile> load(const QString &path);

    // The values of keys straight from a file's bytes, read as value() reads them
    // (the last line of a key counts), without building the section: false when a
    // value found is not plain ASCII without escapes, whose bytes are not what
    // value() gives.
    static bool peek(QByteArrayView bytes, const QStringList &keys, QList<std::optional<QByteArrayView>> &values);

    QByteArray toBytes() const;
    // Replaces the file as a whole, creating its folder as needed: the bytes go to a
    // temporary file that is flushed to disk once and renamed over the old one, so
    // a write cut short (a killed program, a full disk) leaves the old file.
    // On failure, systemError (when given) gets the system's error number.
    bool save(const QString &path, int *systemError = nullptr) const;
    // Writes a file that does not exist yet through a temporary renamed into
    // place, without flushing it: the caller flushes many such files at once.
    bool saveUnflushed(const QString &path, int *systemError = nullptr) const;

    // The value of a key (compared without regard to case); none when absent. When
    // a key is on several lines, the last one counts.
    std::optional<QString> value(const QString &key) const;
    void setValue(const QString &key, const QString &value);
    // Appends text to a key's value, creating the key when absent, without decoding
    // the value: a long value grows at the cost of a copy of its bytes.
    void appendToValue(const QString &key, const QString &text);
    // Removes a key, every line of it.
    void remove(const QString &key);
    // Whether a change since the file was read altered its bytes.
    bool changed() const { return changed_; }

private:
    bool writeLines(QIODevice &file) const;
    void index(qsizetype line);
    void reindex();
    void putLine(const QString &foldedKey, const QByteArray &line);

    // The file split at "\n": the last element is what follows the last line end
    // (empty when the file ends with one).
    QList<QByteArray> lines_;
    // A folded key → its line (the last that holds it), and where its value starts.
    struct Place {
        qsizetype line;
        qsizetype valueStart;
    };
    QHash<QString, Place> keys_;
    bool changed_ = false;
};

} // namespace aisset
