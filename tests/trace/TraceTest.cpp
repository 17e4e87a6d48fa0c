// The trace for support: bytes written so that every one is visible, and a
// trace file that takes the aisset categories only while it runs.
#include "trace/Trace.h"
#include "trace/TraceFile.h"

#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

Q_LOGGING_CATEGORY(lcOther, "other.category")

TEST(Trace, EveryByteIsVisible)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"$CVRSE,*7D\r\n", u"$CVRSE,*7D\\r\\n"_s},
        {QByteArray("a\0b", 3), u"a\\x00b"_s},
        {"\x1b[2J\t\\", u"\\x1B[2J\\t\\\\"_s},
        {"\x11\x13\x7f\xc4\xe3", u"\\x11\\x13\\x7F\\xC4\\xE3"_s}, // XON, XOFF, DEL, GBK bytes
    };
    for (const auto &[bytes, text] : cases)
        EXPECT_EQ(escapedBytes(bytes), text) << bytes.toHex().constData();
}

QStringList linesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                          : QStringList();
}

TEST(Trace, TheFileTakesTheAissetCategoriesOnlyWhileItRuns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"trace.txt"_s);
    qCDebug(lcLink) << "before";
    EXPECT_FALSE(lcLink().isDebugEnabled()); // off unless asked for
    ASSERT_EQ(TraceFile::start(path), QString());
    EXPECT_TRUE(TraceFile::isRunning());
    EXPECT_EQ(TraceFile::path(), path);
    qCDebug(lcLink) << "during";
    qCInfo(lcTransaction) << "read: request sent";
    qCDebug(lcOther) << "not ours";
    TraceFile::stop();
    qCDebug(lcLink) << "after";
    EXPECT_FALSE(TraceFile::isRunning());
    EXPECT_FALSE(lcLink().isDebugEnabled());

    const QStringList lines = linesOf(path);
    ASSERT_EQ(lines.size(), 2) << lines.join(u'|').toStdString();
    EXPECT_TRUE(lines[0].endsWith(u" aisset.link during"_s)) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(u" aisset.transaction read: request sent"_s)) << lines[1].toStdString();
    EXPECT_EQ(TraceFile::start(dir.filePath(u"no/such/folder/trace.txt"_s)).isEmpty(), false);
    EXPECT_FALSE(TraceFile::isRunning());
}

} // namespace
