#include "UnitParameters.h"

#include "encoding/Primitives.h"
#include "model/ChoiceTables.h"

namespace aisset::sim {

namespace {
constexpr int kOwnShipLength = 65;
constexpr int kSystemLength = 16;
constexpr int kFactoryLength = 26;
constexpr int kShipTypeOffset = 11; // after crew count (4) and call sign (7)
} // namespace

int sixBitValue(QChar c)
{
    const int code = c.unicode();
    return (code >= 64 ? code - 64 : code) & 0x3f;
}

QChar armoured(int value) { return QChar(value < 40 ? value + 48 : value + 56); }

UnitParameters::UnitParameters()
    : factory_(QStringLiteral("090817000012345"
                              "0120"
                              "AB12   ")),
      ownShip_(QStringLiteral("0000") + QString(7, u' ') +
               QStringLiteral("90"
                              "000"
                              "000000000"
                              "000000000") +
               QString(20, u' ') +
               QStringLiteral("000000"
                              "00"
                              "00"
                              "1")),
      channels_(QStringLiteral("20872088")), soundPromptRange_(QStringLiteral("05")), alarmRange_(QStringLiteral("05")),
      // The settings the window starts with, packed: 001101 011011 001101 100010.
      statusBits_(0b001101'011011'001101'100010)
{}

bool UnitParameters::apply(const QString &address, const QString &body)
{
    if (address == u"CVUIS" && body.size() == kOwnShipLength) {
        ownShip_ = body;
    } else if (address == u"CVEFS" && body.size() == kFactoryLength) {
        factory_ = body;
    } else if (address == u"CVSYS" && body.size() == kSystemLength) {
        channels_ = body.left(8);
        soundPromptRange_ = body.mid(8, 2);
        alarmRange_ = body.mid(10, 2);
        statusBits_ = 0;
        for (QChar c : body.mid(12, 4))
            statusBits_ = (statusBits_ << 6) | uint32_t(sixBitValue(c));
    } else {
        return false;
    }
    return true;
}

QString UnitParameters::parameterLine(bool corruptShipType) const
{
    QString ownShip = ownShip_;
    if (corruptShipType)
        ownShip.replace(kShipTypeOffset, kNoShipType.size(), kNoShipType.toString());
    QString status;
    for (int shift = 18; shift >= 0; shift -= 6)
        status += armoured(int((statusBits_ >> shift) & 0x3f));
    // The reply carries the alarm range before the sound-prompt range.
    const QString fields =
        QStringLiteral("CVSET,") + factory_ + ownShip + channels_ + alarmRange_ + soundPromptRange_ + status;
    return u'!' + fields + u'*' + checksum(fields) + QStringLiteral("\r\n");
}

} // namespace aisset::sim
