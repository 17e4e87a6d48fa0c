// The one rule by which the command line shows text from outside (device paths,
// store names, records, a unit's reply) on a terminal: control characters
// written out, everything else as it is.
#include "Output.h"

#include <gtest/gtest.h>

using namespace aisset::cli;

namespace {

TEST(TerminalText, ControlCharactersAreWrittenOutAndTheRestKept)
{
    const struct {
        QString text;
        QString shown;
    } cases[] = {
        {u"/dev/ttyUSB0"_qs, u"/dev/ttyUSB0"_qs},
        {u"/tty\x1b[2J"_qs, u"/tty\\e[2J"_qs},
        {u"a\rb\nc\td"_qs, u"a\\rb\\nc\\td"_qs},
        {QString(QChar(0)) + u"\x07\x7f"_qs, u"\\x00\\x07\\x7F"_qs},
        {u"\u009b31m"_qs, u"\\u009B31m"_qs},
        {u"海星 \\e"_qs, u"海星 \\e"_qs},
    };
    for (const auto &c : cases)
        EXPECT_EQ(escapeControls(c.text), c.shown) << c.text.toStdString();
}

} // namespace
