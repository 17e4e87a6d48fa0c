#pragma once

#include "model/FieldInput.h"
#include "model/Form.h"
#include "model/Normalise.h"

#include <QString>

namespace aisset::test {

// A form in the window's start state.
struct StartForm {
    Form form;
    StartForm() { applyStartState(form); }
};

} // namespace aisset::test
