#pragma once

#include "FieldInput.h"
#include "Form.h"
#include "Normalise.h"

#include <QString>

namespace aisset::test {

// A form in the window's start state.
struct StartForm {
    Form form;
    StartForm() { applyStartState(form); }
};

} // namespace aisset::test
