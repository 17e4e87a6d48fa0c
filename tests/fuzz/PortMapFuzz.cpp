// The port-mapping file (ports.conf) on arbitrary text. No crash, no sanitizer
// report; every device it maps is a trimmed, non-empty text of one line, the
// mapping written back as "n=device" lines reads the same, and the device as
// the command line shows it holds no control character.
#include "FuzzInput.h"
#include "Output.h"
#include "link/PortNames.h"

#include <cstdlib>

using namespace aisset;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QHash<int, QString> map = parsePortMapFile(text);
    QString written;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString &device = it.value();
        check(!device.isEmpty() && !device.contains(u'\n'));
        check(device.trimmed() == device);
        const QString shown = cli::escapeControls(device);
        check(std::none_of(shown.begin(), shown.end(), [](QChar c) { return c.category() == QChar::Other_Control; }));
        written += QString::number(it.key()) + u'=' + device + u'\n';
    }
    check(parsePortMapFile(written) == map);
    return 0;
}
