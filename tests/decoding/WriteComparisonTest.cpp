#include "decoding/WriteComparison.h"
#include "ReplyLineBuilder.h"
#include "encoding/Primitives.h"
#include "model/FieldTable.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;

namespace {

// Write sentences carrying what the builder's default parameter line holds: its
// texts in the text code ("BXYZy``" is the call sign "BXYZ9  "), its status
// characters "hnVu" (armoured 48, 54, 38, 61) as the six-bit characters "06&=".
const QString kOwnShipBody = u"0025BXYZ9  70085412345678009123456HAI XING 7          100020050"
                             "73"_s;
const QString kSystemBody = u"108822880312"
                            "06&="_s;
const QString kFactoryBody = u"0908171234567890150ZL01   "_s;

QString sentence(const char16_t *address, const QString &body) { return frameCode(QString::fromUtf16(address), body); }

TEST(CompareWrite, ComparesEachFieldInTheUnitsOwnForm)
{
    const QString line = test::ReplyLine{}.text();
    QString otherDraughtAndCall = kOwnShipBody;
    otherDraughtAndCall.replace(8, 1, u'8').replace(13, 3, u"086"_s); // "BXYZ8", 8.6 m

    struct Case {
        const char *name;
        QString sentence;
        QString line;
        QList<FieldDifference> expected;
    };
    const Case cases[] = {
        {"own-ship agrees", sentence(u"CVUIS", kOwnShipBody), line, {}},
        {"system agrees", sentence(u"CVSYS", kSystemBody), line, {}},
        {"factory agrees", sentence(u"CVEFS", kFactoryBody), line, {}},
        {"texts and digits differ",
         sentence(u"CVUIS", otherDraughtAndCall),
         line,
         {{slot::callSign, u"BXYZ8  "_s, u"BXYZ9  "_s}, {slot::draught, u"086"_s, u"085"_s}}},
        // The last character's three low bits are the prompt volume: 4 written, 5 held.
        {"a packed setting differs",
         sentence(u"CVSYS", kSystemBody.left(15) + u'<'),
         line,
         {{slot::promptVolume, u"4"_s, u"5"_s}}},
        {"the channels differ",
         sentence(u"CVSYS", u"2087"_s + kSystemBody.mid(4)),
         line,
         {{slot::channel1, u"2087"_s, u"1088"_s}}},
        // A line cut short holds nothing past its end.
        {"a short line",
         sentence(u"CVEFS", kFactoryBody),
         line.left(30),
         {{slot::vendorNumber, u"ZL01   "_s, u"ZL01"_s}}},
        {"no write sentence", frameCode(u"CVRSE"_s, {}), line, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(compareWrite(c.sentence, c.line), c.expected) << c.name;
}

} // namespace
