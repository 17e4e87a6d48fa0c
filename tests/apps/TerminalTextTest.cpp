// The one rule by which the command line shows text from outside (device paths,
// store names, records, a unit's reply) on a terminal: control characters
// written out, everything else as it is.
#include "Output.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset::cli;

namespace {

TEST(TerminalText, ControlCharactersAreWrittenOutAndTheRestKept)
{
    const struct {
        QString text;
        QString shown;
    } cases[] = {
        {u"/dev/ttyUSB0"_s, u"/dev/ttyUSB0"_s},
        {u"/tty\x1b[2J"_s, u"/tty\\e[2J"_s},
        {u"a\rb\nc\td"_s, u"a\\rb\\nc\\td"_s},
        {QString(QChar(0)) + u"\x07\x7f"_s, u"\\x00\\x07\\x7F"_s},
        {u"\u009b31m"_s, u"\\u009B31m"_s},
        {u"海星 \\e"_s, u"海星 \\e"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(escapeControls(c.text), c.shown) << c.text.toStdString();
}

} // namespace
