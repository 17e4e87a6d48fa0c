#pragma once

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <sys/fsuid.h>
#include <unistd.h>

namespace aisset::test {

// Takes the write bits from the store's folders and files. A test run as root
// would ignore them, so it also has the process's file checks made as user and
// group "nobody" until the end of the scope.
class ReadOnlyFiles {
public:
    explicit ReadOnlyFiles(const QString &top) : top_(top)
    {
        setWritable(false);
        if (::geteuid() == 0) {
            ::setfsgid(kNobody);
            ::setfsuid(kNobody);
        }
    }
    ~ReadOnlyFiles()
    {
        if (::geteuid() == 0) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
        setWritable(true);
    }

private:
    static constexpr int kNobody = 65534;

    void setWritable(bool writable)
    {
        const auto dirMode = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        const auto fileMode = QFile::ReadOwner | QFile::ReadOther;
        QDirIterator it(top_, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        QStringList entries{top_};
        while (it.hasNext())
            entries << it.next();
        for (const QString &e : entries) {
            const bool isDir = QFileInfo(e).isDir();
            QFile::setPermissions(e,
                                  (isDir ? dirMode : fileMode) | (writable ? QFile::WriteOwner : QFile::Permissions()));
        }
    }
    QString top_;
};

} // namespace aisset::test
