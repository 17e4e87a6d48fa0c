// A process that saves ships into a profile store as the window and the command
// line do, for the tests of several writers at once and of writers killed while
// they save.
//
// usage: store_writer <store root> ownship|system <first MMSI> <count>
//          saves that page of each ship in turn; exits 1 when a saving failed
//        store_writer <store root> endless <first MMSI>
//          saves the own-ship and system pages of one new ship after another until
//          it is killed, printing each ship's MMSI once both pages are saved
#include "model/Form.h"
#include "model/Normalise.h"
#include "store/RecordSaver.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

using namespace aisset;

namespace {

SaveResult savePage(RecordSaver &saver, Form &form, qint64 mmsi, bool ownShip)
{
    (void)form.setEditText(slot::mmsi, QString::number(mmsi));
    return ownShip ? saver.saveOwnShipRecord(form) : saver.saveSystemRecord(form);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    ProfileStore store(args[1]);
    RecordSaver saver(store);
    Form form;
    applyStartState(form);
    const QString &mode = args[2];
    const qint64 first = args[3].toLongLong();
    if (mode == u"endless") {
        for (qint64 mmsi = first;; ++mmsi) {
            if (savePage(saver, form, mmsi, true) == SaveResult::Failed ||
                savePage(saver, form, mmsi, false) == SaveResult::Failed)
                return 1;
            std::printf("%lld\n", mmsi);
            std::fflush(stdout);
        }
    }
    if (args.size() != 5 || (mode != u"ownship" && mode != u"system"))
        return 2;
    int failed = 0;
    for (qint64 mmsi = first; mmsi < first + args[4].toLongLong(); ++mmsi)
        failed += savePage(saver, form, mmsi, mode == u"ownship") == SaveResult::Failed;
    return failed == 0 ? 0 : 1;
}
