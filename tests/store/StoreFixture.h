#pragma once

#include "SaveTesting.h"
#include "store/ProfileStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace aisset::test {

// A profile store in a fresh temporary folder.
class StoreFixture : public ::testing::Test {
protected:
    QString root() const { return dir_.path() + QStringLiteral("/store"); }

    // A store over a copy of this one's files: what a later run of the program
    // finds on disk, whatever the store under test keeps in memory.
    ProfileStore &reopenedCopy()
    {
        const QString copyRoot = dir_.path() + QStringLiteral("/copy%1").arg(++copies_);
        QDirIterator it(root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = copyRoot + from.mid(root().size());
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
        copy_ = std::make_unique<ProfileStore>(copyRoot);
        return *copy_;
    }

    // Every file the store holds, relative to its root.
    QStringList storedFiles() const
    {
        QStringList files;
        QDirIterator it(root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next().mid(root().size() + 1));
        files.sort();
        return files;
    }

    QTemporaryDir dir_;
    ProfileStore store_{root()};

private:
    int copies_ = 0;
    std::unique_ptr<ProfileStore> copy_;
};

} // namespace aisset::test
