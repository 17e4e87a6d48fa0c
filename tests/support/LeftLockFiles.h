#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace aisset::test {

// What a process that died around its lock file can leave behind: the file
// with `content`, last written `ageMs` ago.
inline void leaveLockFile(const QString &path, const QByteArray &content, int ageMs)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(content), content.size());
    ASSERT_TRUE(file.flush()); // written before its time is set, or the write would set it anew
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addMSecs(-ageMs), QFileDevice::FileModificationTime));
}

// Sets the last write of the file at `path` to `ageMs` ago.
inline void ageFile(const QString &path, int ageMs)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addMSecs(-ageMs), QFileDevice::FileModificationTime));
}

// Lock files that name no process, as a killed holder or a stray write leaves them.
struct NamelessLock {
    const char *what;
    QByteArray content;
};
inline const NamelessLock kNamelessLocks[] = {
    {"empty", QByteArray()},
    {"garbage", QByteArray("\x01\xff not a process id\n")},
    {"a process id of 0", QByteArray("0\naisset\nhost\n")},
    {"a blank first line", QByteArray("\n1234\nhost\n")},
};

} // namespace aisset::test
