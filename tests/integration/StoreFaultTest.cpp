// The tool on a damaged profile store: corrupt, empty or read-only files, a
// folder that is missing or cannot be made, a record count at its top, a list of
// 100,000 names. The tool starts, saves what it can, never throws away a record
// that was there, and keeps working with the unit.
#include "ReadOnlyFiles.h"
#include "ui/text/Catalogue.h"
#include "SaveTesting.h"
#include "Tool.h"
#include "UnitOnPty.h"
#include "store/FileBackend.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/fsuid.h>
#include <unistd.h>

#include <memory>

using namespace Qt::StringLiterals;

using namespace aisset;
using test::ReadOnlyFiles;
using test::Tool;
using test::UnitOnPty;

namespace {

const QString kApp = u"VARID"_s;
const QString kOld = u"412345678"_s;
const QString kNew = u"413000000"_s;

class StoreFaults : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(unit.started()); }

    QString root() const { return dir.path() + u"/store"_s; }
    QString sectionFile(const QString &section) const { return sectionFilePath(root(), kApp, section); }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // What a later run of the tool finds on disk.
    QString stored(const QString &section, const QString &key) const
    {
        return ProfileStore(root()).read(kApp, section, key, u"<absent>"_s);
    }
    // Starts the tool on the store with port 1 on the unit.
    Tool &startTool()
    {
        tool = std::make_unique<Tool>(root());
        tool->start(unit.device());
        EXPECT_TRUE(tool->form().isVisible());
        EXPECT_EQ(catalogue::text(tool->form().connectionStatus()), u"通讯口1  连接"_s);
        return *tool;
    }

    QTemporaryDir dir;
    UnitOnPty unit;
    std::unique_ptr<Tool> tool;
};

TEST_F(StoreFaults, CorruptFilesKeepWhatCanBeReadAndTheSaveAddsToIt)
{
    // The bookkeeping file holds binary noise around its lines; the old ship's
    // file has noise and a system key.
    writeFile(sectionFile(u"content"_s), QByteArray(1, '\0') +
                                              "\xff\xfe garbage\n=no key\nfname=412345678,414000000\n\x80\x81=\xc3\n"
                                              "nn=2\ncommport=1\nno separator\n");
    writeFile(sectionFile(kOld), "\xff\xfe\x01\n\xe9\x9f\xb3=\nais\xe9\xa2\x91\xe9\x81\x93"
                                 "1=1088(157.3750)MHz\n");
    Tool &t = startTool();
    EXPECT_EQ(t.recordNames(), (QStringList{kOld, u"414000000"_s}));

    t.expectResponsive(kNew);
    t.expectResponsive(kOld);
    EXPECT_EQ(t.recordNames(), (QStringList{kOld, u"414000000"_s, kNew}));
    EXPECT_EQ(stored(u"content"_s, u"nn"_s), u"3"_s);
    EXPECT_EQ(stored(u"content"_s, u"Commport"_s), u"1"_s);
    // The old ship's own-ship keys are new, its system key is kept.
    EXPECT_EQ(stored(kOld, u"船名"_s), u"HAI XING 7"_s + QString(10, u'_'));
    EXPECT_EQ(stored(kOld, u"AIS频道1"_s), u"1088(157.3750)MHz"_s);
}

TEST_F(StoreFaults, AnEmptyFileOrAMissingFolderStartsAnEmptyStore)
{
    for (const bool emptyFile : {true, false}) {
        SCOPED_TRACE(emptyFile ? "empty bookkeeping file" : "no store folder");
        QDir(root()).removeRecursively();
        if (emptyFile)
            writeFile(sectionFile(u"content"_s), {});
        Tool &t = startTool();
        EXPECT_TRUE(t.recordNames().isEmpty());
        t.expectResponsive(kNew);
        EXPECT_EQ(t.recordNames(), QStringList{kNew});
        EXPECT_EQ(stored(kNew, u"MMSI"_s), kNew);
    }
}

TEST_F(StoreFaults, AFolderThatCannotBeMadeSavesNothingAndTheUnitStillGetsItsSentences)
{
    writeFile(root(), "a file where the store's folder belongs");
    Tool &t = startTool();
    t.expectResponsive(kNew);
    EXPECT_TRUE(t.recordNames().isEmpty());
    EXPECT_EQ(readFile(root()), "a file where the store's folder belongs");
}

TEST_F(StoreFaults, AReadOnlyStoreIsReadAndLeftAsItWas)
{
    {
        ProfileStore seed(root());
        expectSaved(
            seed.saveMany(kApp, u"content"_s, {{u"fname"_s, kOld}, {u"nn"_s, u"1"_s}, {u"Commport"_s, u"1"_s}}));
        expectSaved(seed.saveMany(kApp, kOld, {{u"MMSI"_s, kOld}}));
    }
    const QByteArray content = readFile(sectionFile(u"content"_s));
    const QByteArray ship = readFile(sectionFile(kOld));
    // The temporary folder is the owner's only; the files' readers need a way in.
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ReadOther | QFile::ExeOther);

    Tool &t = startTool();
    {
        const ReadOnlyFiles readOnly(root());
        EXPECT_EQ(t.recordNames(), QStringList{kOld});
        t.expectResponsive(kNew);
        EXPECT_EQ(t.recordNames(), QStringList{kOld});
    }
    EXPECT_EQ(readFile(sectionFile(u"content"_s)), content);
    EXPECT_EQ(readFile(sectionFile(kOld)), ship);
    EXPECT_EQ(stored(kNew, u"MMSI"_s), u"<absent>"_s);
}

TEST_F(StoreFaults, ACountAtItsTopOrAHundredThousandNamesLoseNoName)
{
    for (const int count : {32767, 100000}) {
        SCOPED_TRACE(count);
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << QString::number(200000000 + i);
        const QString fname = names.join(u',');
        {
            ProfileStore seed(root());
            expectSaved(seed.saveMany(kApp, u"content"_s, {{u"fname"_s, fname}, {u"nn"_s, u"32767"_s}}));
        }
        Tool &t = startTool();
        // At its top the count lists every name.
        EXPECT_TRUE(t.recordNames() == names) << t.recordNames().size();
        t.expectResponsive(kNew);
        EXPECT_TRUE(t.recordNames() == names + QStringList{kNew}) << t.recordNames().size();
        EXPECT_EQ(stored(u"content"_s, u"fname"_s), fname + u',' + kNew);
        EXPECT_EQ(stored(u"content"_s, u"nn"_s), u"32767"_s);
        EXPECT_EQ(stored(kNew, u"MMSI"_s), kNew);
    }
}

} // namespace
