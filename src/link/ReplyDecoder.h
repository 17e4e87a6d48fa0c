#pragma once

#include <QString>

#include <functional>

namespace aisset {

// Decodes one parameter line of the unit into the form: 0 when every checked
// choice field could be filled, 1 when the decoding failed. The link takes it
// as a function so that it does not depend on the decoding layer.
using ReplyDecoder = std::function<int(const QString &line)>;

} // namespace aisset
