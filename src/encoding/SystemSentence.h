#pragma once

#include "encoding/BuildResult.h"

#include <QString>

namespace aisset {

class Form;
class Host;
class RecordSink;

// Builds the system-settings write sentence "$CVSYS," from the system page
// (getcode1). Every system choice field must have an entry selected; otherwise the
// user is told once, the focus goes to the last such field and nothing is built or
// saved. After a successful build the page's values are kept through the record sink.
BuildResult getcode1(Form &form, Host &host, RecordSink *records);

// Packs a settings list (items joined by ",") into the four six-bit characters
// that carry the switches, volumes and steps of the system page, and appends the
// nine lines that trace the packing to the form's list of sent commands.
QString A8TO6(Form &form, const QString &settingsList);

} // namespace aisset
