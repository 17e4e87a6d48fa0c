#pragma once

#include "encoding/BuildResult.h"

namespace aisset {

class Form;
class Host;
class RecordSink;

// Builds the own-ship write sentence "$CVUIS," from the own-ship page (getcode).
// Every field is checked first; on a failure the user is told once, the focus
// goes to the failing field with the highest slot and nothing is built or saved.
// After a successful build the page's values are kept through the record sink.
BuildResult getcode(Form &form, Host &host, RecordSink *records);

} // namespace aisset
