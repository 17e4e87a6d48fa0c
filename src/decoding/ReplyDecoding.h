#pragma once

#include "model/DecodeResult.h"

#include <QString>

#include <functional>

namespace aisset {

class Form;
class Host;

// Decodes the unit's parameter line ("!CVSET...") into every field of the form
// (FP): blanks the form, cuts the fields at their fixed positions, decodes and
// shows them in reply order with a progress text for each, and writes a trace of
// the work into the list of sent commands.
// Returns Failed as soon as a checked choice field (ship type, position-fixing
// device, the two distances, the packed settings) ends without an entry; the
// later fields then stay blank and no trace line follows. The
// window is disabled while it runs and enabled again on both ways out.
DecodeResult FP(Form &form, Host &host, const QString &line);

// The decoder a device link calls for each parameter line it receives: FP on the
// given form. The counterpart of LinkSession::standardBuilder.
std::function<DecodeResult(const QString &line)> standardDecoder(Form &form, Host &host);

} // namespace aisset
