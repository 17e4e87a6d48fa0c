#pragma once

#include "encoding/BuildResult.h"
#include "model/FieldTable.h"

namespace aisset {

class Form;
class Host;
class RecordSink;

// Builds the write sentence of one parameter group with its builder.
BuildResult buildSentence(Group group, Form &form, Host &host, RecordSink *records);

} // namespace aisset
