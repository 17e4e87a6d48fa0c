// Saves one ship's section and the record list over and over until it is killed.
// Every round writes one generation number into every value; after each round
// it prints the generation, so the killer knows which rounds were complete.
//
// usage: store_save_loop <store root>
#include "ProfileRecords.h"
#include "ProfileStore.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    aisset::ProfileStore store(QString::fromLocal8Bit(argv[1]));
    aisset::ProfileRecords records(store);
    // Long values make each write take a while, so that a kill is likely to land in one.
    const QString padding(2000, u'船');
    for (int generation = records.readRecordList().count + 1;; ++generation) {
        aisset::KeyValues values;
        for (int key = 0; key < 35; ++key)
            values.append({u"键%1"_s.arg(key), QString::number(generation) + u':' + padding});
        store.saveMany(u"VARID"_s, u"412345678"_s, values);
        records.writeRecordList({u"gen"_s + QString::number(generation), qint16(generation)});
        std::printf("%d\n", generation);
        std::fflush(stdout);
    }
}
