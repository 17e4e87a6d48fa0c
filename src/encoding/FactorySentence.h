#pragma once

#include "encoding/BuildResult.h"

namespace aisset {

class Form;
class Host;
class RecordSink;

// Builds the factory-data write sentence "$CVEFS," from the factory fields
// (getcode2): factory date, machine number, power-on time and vendor number.
// Every field is checked first; on a failure the user is told once, the focus
// goes to the edit field that failed last and nothing is built or saved. After a
// successful build the values are kept through the record sink.
BuildResult getcode2(Form &form, Host &host, RecordSink *records);

} // namespace aisset
