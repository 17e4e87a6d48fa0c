#include "trace/Trace.h"

using namespace Qt::StringLiterals;

namespace aisset {

Q_LOGGING_CATEGORY(lcLink, "aisset.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTransaction, "aisset.transaction", QtWarningMsg)
Q_LOGGING_CATEGORY(lcStore, "aisset.store", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSearch, "aisset.search", QtWarningMsg)

QString escapedBytes(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\r')
            text += u"\\r"_s;
        else if (byte == '\n')
            text += u"\\n"_s;
        else if (byte == '\t')
            text += u"\\t"_s;
        else if (byte == '\\')
            text += u"\\\\"_s;
        else if (byte >= 0x20 && byte < 0x7f)
            text += QLatin1Char(char(byte));
        else
            text += u"\\x"_s + QString::number(byte, 16).toUpper().rightJustified(2, u'0');
    }
    return text;
}

} // namespace aisset
