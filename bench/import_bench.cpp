// `aisset-cli records import` of 2,000 new ships into a store of 100,000, from
// process start to exit, beside two figures measured on the same disk in the
// same runs: the same 2,000 ships saved one at a time as the window saves a
// page (ProfileRecords::saveRecord, each a locked change of its own), and a
// floor with the import's safety and nothing else: the 2,000 section files
// written through temporaries and flushed at once, the list read once and saved
// once through a flushed temporary. Each run imports ships of its own, so the
// stores grow by them. Prints medians and maxima (Linux: the floor uses syncfs,
// as the store does there).
//
// usage: import_bench [--store-size N] [--ships N] [--runs N]
#include "store/ProfileRecords.h"
#include "store/ProfileStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace Qt::StringLiterals;
using namespace aisset;

constexpr qint64 kFirstMmsi = 200'000'000;

QString mmsiOf(qint64 index) { return QString::number(kFirstMmsi + index); }

QByteArray section(qint64 index)
{
    return "mmsi=" + mmsiOf(index).toLatin1() + "\n船名=SHIP " + QByteArray::number(index) + "\n";
}

// A store of `ships` listed ships, written as plain files: building it is not
// what is measured.
void fillStore(const QString &root, qint64 ships)
{
    const QString folder = root + u"/varid/"_s;
    QDir().mkpath(folder);
    QStringList names;
    for (qint64 i = 0; i < ships; ++i) {
        QFile file(folder + mmsiOf(i) + u".ini"_s);
        file.open(QIODevice::WriteOnly);
        file.write(section(i));
        names << mmsiOf(i);
    }
    QFile content(folder + u"content.ini"_s);
    content.open(QIODevice::WriteOnly);
    content.write("fname=" + names.join(u',').toLatin1() + "\nnn=" + QByteArray::number(std::min<qint64>(ships, 32767)) +
                  "\n");
}

QByteArray recordsFile(qint64 first, qint64 count)
{
    QByteArray out = "{";
    for (qint64 i = first; i < first + count; ++i)
        out += (i == first ? "\"" : ",\"") + mmsiOf(i).toLatin1() + "\": {\"mmsi\": \"" + mmsiOf(i).toLatin1() +
               "\", \"shipName\": \"SHIP " + QByteArray::number(i) + "\"}";
    return out + "}";
}

double importMs(const QString &root, const QString &file)
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(QStringLiteral(AISSET_CLI_PATH), {u"records"_s, u"import"_s, file, u"--store"_s, root});
    p.waitForFinished(-1);
    if (p.exitCode() != 0)
        std::fprintf(stderr, "import failed: %s\n", p.readAllStandardError().constData());
    return double(t.nsecsElapsed()) / 1e6;
}

double oneAtATimeMs(const QString &root, qint64 first, qint64 count)
{
    QElapsedTimer t;
    t.start();
    ProfileStore store(root);
    ProfileRecords records(store);
    for (qint64 i = first; i < first + count; ++i)
        (void)records.saveRecord(mmsiOf(i), {{u"mmsi"_s, mmsiOf(i)}, {u"船名"_s, u"SHIP %1"_s.arg(i)}});
    return double(t.nsecsElapsed()) / 1e6;
}

void saveWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.commit();
}

// A new file through a temporary renamed into place, not flushed.
void writeNew(const QString &path, const QByteArray &bytes)
{
    QTemporaryFile file(path + u".XXXXXX"_s);
    file.open();
    file.write(bytes);
    file.close();
    file.rename(path);
    file.setAutoRemove(false);
}

// One flush of everything written to the file system of the folder.
void flushAll(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::syncfs(fd);
    ::close(fd);
}

// What an import must do at the least, with the same safety: the new section
// files written through temporaries and flushed at once, then the list read
// once and saved once, with the new names, through a flushed temporary.
double floorMs(const QString &root, qint64 first, qint64 count)
{
    QElapsedTimer t;
    t.start();
    const QString folder = root + u"/varid/"_s;
    for (qint64 i = first; i < first + count; ++i)
        writeNew(folder + mmsiOf(i) + u".ini"_s, section(i));
    flushAll(folder);
    QFile content(folder + u"content.ini"_s);
    content.open(QIODevice::ReadOnly);
    QByteArray list = content.readAll();
    content.close();
    QByteArray names;
    for (qint64 i = first; i < first + count; ++i)
        names += "," + mmsiOf(i).toLatin1();
    list.insert(list.indexOf("\nnn="), names);
    saveWhole(folder + u"content.ini"_s, list);
    return double(t.nsecsElapsed()) / 1e6;
}

struct Figures {
    std::vector<double> ms;
    double median() const
    {
        std::vector<double> v = ms;
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v[v.size() / 2];
    }
    double max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{u"store-size"_s, u"ships stored before"_s, u"N"_s, u"100000"_s},
                       {u"ships"_s, u"new ships per import"_s, u"N"_s, u"2000"_s},
                       {u"runs"_s, u"runs of each"_s, u"N"_s, u"5"_s}});
    parser.addHelpOption();
    parser.process(app);
    const qint64 storeSize = parser.value(u"store-size"_s).toLongLong();
    const qint64 ships = parser.value(u"ships"_s).toLongLong();
    const int runs = parser.value(u"runs"_s).toInt();

    QTemporaryDir dir;
    const QString importRoot = dir.filePath(u"import"_s), oneRoot = dir.filePath(u"one"_s),
                  floorRoot = dir.filePath(u"floor"_s);
    for (const QString &root : {importRoot, oneRoot, floorRoot})
        fillStore(root, storeSize);
    // The filling's writes reach the disk now, not in the first flush measured.
    ::sync();

    Figures import, one, floor;
    for (int run = 0; run < runs; ++run) {
        const qint64 first = storeSize + run * ships;
        const QString file = dir.filePath(u"ships%1.json"_s.arg(run));
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(recordsFile(first, ships));
        out.close();
        // Side by side in each run, so that the disk's mood meets all three.
        import.ms.push_back(importMs(importRoot, file));
        one.ms.push_back(oneAtATimeMs(oneRoot, first, ships));
        floor.ms.push_back(floorMs(floorRoot, first, ships));
    }

    std::printf("%lld new ships into a store of %lld, %d runs\n\n", qlonglong(ships), qlonglong(storeSize), runs);
    std::printf("| path | median ms | max ms | median / floor |\n|---|---|---|---|\n");
    const auto row = [&](const char *name, const Figures &f) {
        std::printf("| %s | %.0f | %.0f | %.2f |\n", name, f.median(), f.max(), f.median() / floor.median());
    };
    row("aisset-cli records import (process)", import);
    row("one saveRecord per ship", one);
    row("floor: the files written and flushed at once, the list once", floor);
    // The ratio within each run, where both met the same disk.
    Figures ratio;
    for (std::size_t run = 0; run < import.ms.size(); ++run)
        ratio.ms.push_back(import.ms[run] / floor.ms[run]);
    std::printf("\nimport / floor within a run: median %.2f, max %.2f\n", ratio.median(), ratio.max());
    return 0;
}
