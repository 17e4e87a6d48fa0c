// The JSON form of the command line (encode, write, check) on arbitrary bytes:
// made out as one object with no key twice, then filled into a form in its
// start state. No crash, no sanitizer report; an error message holds no
// control character (what it echoes of the input is escaped), and a filled form
// holds none in any field.
#include "FuzzInput.h"
#include "FormJson.h"
#include "JsonKeys.h"
#include "model/Form.h"
#include "model/Normalise.h"

#include <QJsonObject>

#include <cstdlib>

using namespace aisset;
using namespace aisset::cli;

namespace {

bool holdsControls(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QJsonObject values;
    if (const std::optional<QString> error = parseJsonObject(bytes, values)) {
        check(!holdsControls(*error));
        return 0;
    }
    // A key twice is never taken, whichever of the two a reader would keep.
    check(!firstRepeatedKey(bytes.trimmed().isEmpty() ? QByteArrayView("{}") : QByteArrayView(bytes)));
    Form form;
    applyStartState(form);
    if (const std::optional<QString> error = fillForm(form, values)) {
        check(!holdsControls(*error));
        return 0;
    }
    for (const QJsonValue &shown : formFields(form))
        check(!holdsControls(shown.toString()));
    return 0;
}
