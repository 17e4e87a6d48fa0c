// The read-back after a write, in the core of the window, against the virtual
// unit: what the installer's edition shows, and that the read-back leaves the
// form alone.
#include "CoreOnUnit.h"
#include "model/ChoiceTables.h"
#include "ui/text/Catalogue.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace aisset;
using test::Core;

namespace {

TEST(VerifiedWrite, TheInstallersEditionReadsEveryAcknowledgedWriteBack)
{
    struct Case {
        const char *name;
        QStringList faults;
        Edition edition;
        QString status;       // panel 2 at the end
        QStringList messages; // the boxes shown
        int readRequests;     // read requests the unit received
    };
    const QString differences = u"设备参数与写入不符\n船员人数  写入: 0025  设备: 0000\n呼号  写入: BXYZ9  设备: \n"
                                u"船型  写入: 70  设备: 90\n吃水深度  写入: 085  设备: 000\n"
                                u"MMSI  写入: 412345678  设备: 000000000\n船名  写入: HAI XING 7  设备: \n"
                                u"天线方位A  写入: 100  设备: 000\n天线方位B  写入: 020  设备: 000\n"
                                u"天线方位C  写入: 05  设备: 00\n天线方位D  写入: 07  设备: 00"_s;
    const Case cases[] = {
        {"agrees", {}, Edition::Full, u"校验通过"_s, {u"本船资料设置成功"_s}, 1},
        {"stale",
         {u"--stale"_s, u"ownship"_s},
         Edition::Full,
         u"设备参数与写入不符"_s,
         {u"本船资料设置成功"_s, differences},
         1},
        // A reply the decoding cannot fill is asked for again twice, as a read
        // does; the last one is compared.
        {"corrupt reply",
         {u"--corrupt-reply"_s},
         Edition::Full,
         u"设备参数与写入不符"_s,
         {u"本船资料设置成功"_s, u"设备参数与写入不符\n船型  写入: 70  设备: "_s + kNoShipType.toString()},
         3},
        // A read-back that fails its checksum is asked for again; when every one
        // fails, nothing is compared: the differences would be the line's own.
        {"checksum differs once",
         {u"--bad-checksum"_s, u"once"_s},
         Edition::Full,
         u"校验通过"_s,
         {u"本船资料设置成功"_s},
         2},
        {"checksum differs always",
         {u"--bad-checksum"_s, u"always"_s},
         Edition::Full,
         u"校验未完成:设备应答校验和不符"_s,
         {u"本船资料设置成功"_s},
         3},
        {"no reply",
         {u"--hangup-after"_s, u"1"_s},
         Edition::Full,
         u"校验未完成:设备无应答"_s,
         {u"本船资料设置成功"_s},
         1},
        {"simplified", {}, Edition::Simplified, u"设置成功"_s, {u"本船资料设置成功"_s}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Core core(c.faults, c.edition);
        ASSERT_FALSE(core.unit.path().isEmpty());
        core.typeShip();
        core.writeOwnShip(c.edition);
        const Form &form = core.core->form();
        EXPECT_EQ(catalogue::text(form.transactionStatus()), c.status);
        EXPECT_EQ(core.host.messages, c.messages);
        EXPECT_EQ(core.unit.log().filter(u"< $CVRSE"_s).size(), c.readRequests);
        // The window keeps what was typed and logs nothing of the read-back.
        EXPECT_EQ(form.editText(slot::mmsi), u"412345678"_s);
        EXPECT_EQ(form.editText(slot::draught), u"_8.5米"_s);
        EXPECT_EQ(form.choiceText(slot::shipType), u"70(货船)"_s);
        EXPECT_EQ(form.receiveLog(), u"!CVACK\r\n"_s);
        EXPECT_TRUE(form.replyLog().isEmpty());
        EXPECT_EQ(form.sentCommands().size(), 1); // the sentence's display line
        EXPECT_TRUE(form.isEnabled());
    }
}

} // namespace
