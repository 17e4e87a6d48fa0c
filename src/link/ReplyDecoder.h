#pragma once

#include "model/DecodeResult.h"

#include <QString>

#include <functional>

namespace aisset {

// Decodes one parameter line of the unit into the form. The link takes it as a
// function so that it does not depend on the decoding layer.
using ReplyDecoder = std::function<DecodeResult(const QString &line)>;

} // namespace aisset
