#include "PortProbe.h"

#include "CliHost.h"
#include "CliLink.h"
#include "link/Waiting.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Normalise.h"

namespace aisset::cli {

FindOutcome probePort(const QString &device, qint64 timeoutMs)
{
    Form form;
    applyStartState(form);
    CliHost host;
    CliLink link(device, form, host, [](Group) { return BuildResult{}; });
    if (const QString error = link.open(); !error.isEmpty())
        return {FindOutcome::OpenFailed, {}, error};
    LinkSession &session = link.session();
    int result = -1; // the decoding's result of the first parameter line
    EventWait answered;
    QObject::connect(&session.receivePath(), &ReceivePath::replyHandled, &session, [&](int r, bool) {
        if (result < 0)
            result = r;
        answered.finish();
    });
    answered.finishOn(&session.line(), &SerialLine::connectionLost);
    session.transactions().startRead(); // the window's read: sends the read request
    answered.run(timeoutMs);
    link.abandon();
    if (result >= 0)
        return {FindOutcome::Unit, result == 0 ? form.editText(slot::mmsi) : QString(), {}};
    return {form.receiveLog().isEmpty() ? FindOutcome::Silent : FindOutcome::OtherData, {}, {}};
}

} // namespace aisset::cli
