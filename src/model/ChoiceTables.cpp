#include "model/ChoiceTables.h"

#include "model/FieldTable.h"
#include "model/TextMark.h"

#include <array>

namespace aisset {

namespace {

struct Channel {
    const char16_t *number;
    const char16_t *frequency;
};

// Channel number and frequency in MHz, in list order. The frequency texts are
// vocabulary shared with the unit and stand as they are, irregular ones included.
constexpr std::array<Channel, 180> kChannels{{
    {u"1001", u"156.0500"}, {u"1003", u"156.1500"}, {u"1005", u"156.2500"}, {u"1006", u"156.3000"},
    {u"1007", u"156.3500"}, {u"1018", u"156.9000"}, {u"1019", u"156.9500"}, {u"1020", u"157.0000"},
    {u"1021", u"157.0500"}, {u"1022", u"157.1000"}, {u"1023", u"157.1500"}, {u"1024", u"157.2000"},
    {u"1025", u"157.2500"}, {u"1026", u"157.3000"}, {u"1027", u"157.3500"}, {u"1028", u"157.4000"},
    {u"1061", u"156.0750"}, {u"1063", u"156.1750"}, {u"1064", u"156.2250"}, {u"1065", u"156.2750"},
    {u"1066", u"156.3250"}, {u"1067", u"156.3750"}, {u"1068", u"156.4250"}, {u"1069", u"156.4750"},
    {u"1070", u"156.5250"}, {u"1071", u"156.5750"}, {u"1072", u"156.6250"}, {u"1073", u"156.6750"},
    {u"1074", u"156.7250"}, {u"1075", u"156.7750"}, {u"1076", u"156.8250"}, {u"1077", u"156.8750"},
    {u"1078", u"156.9250"}, {u"1079", u"156.9750"}, {u"1080", u"157.0250"}, {u"1081", u"157.0750"},
    {u"1082", u"157.1250"}, {u"1083", u"157.1750"}, {u"1084", u"157.2250"}, {u"1085", u"157.2750"},
    {u"1086", u"157.3250"}, {u"1087", u"157.3750"}, {u"1088", u"157.4250"}, {u"1201", u"156.0625"},
    {u"1202", u"156.1125"}, {u"1203", u"156.1625"}, {u"1204", u"156.2125"}, {u"1205", u"156.2625"},
    {u"1206", u"156.3125"}, {u"1207", u"156.3625"}, {u"1208", u"156.4125"}, {u"1209", u"156.4625"},
    {u"1210", u"156.5125"}, {u"1211", u"156.5625"}, {u"1212", u"156.6125"}, {u"1213", u"156.6625"},
    {u"1214", u"156.7125"}, {u"1215", u"156.7625"}, {u"1216", u"156.8125"}, {u"1217", u"156.8625"},
    {u"1218", u"156.9125"}, {u"1219", u"156.9625"}, {u"1220", u"157.0125"}, {u"1221", u"157.0625"},
    {u"1222", u"157.1125"}, {u"1223", u"157.1625"}, {u"1224", u"157.2125"}, {u"1225", u"157.2625"},
    {u"1226", u"157.3125"}, {u"1227", u"157.3625"}, {u"1228", u"157.4125"}, {u"1260", u"156.0375"},
    {u"1261", u"156.0875"}, {u"1262", u"156.1375"}, {u"1263", u"156.1875"}, {u"1264", u"156.2375"},
    {u"1265", u"156.2875"}, {u"1266", u"156.3375"}, {u"1267", u"156.3875"}, {u"1268", u"156.4375"},
    {u"1269", u"156.4875"}, {u"1270", u"156.5375"}, {u"1271", u"156.5875"}, {u"1272", u"156.6375"},
    {u"1273", u"156.6875"}, {u"1274", u"156.7375"}, {u"1275", u"156.7875"}, {u"1276", u"156.8375"},
    {u"1277", u"156.8875"}, {u"1278", u"156.9375"}, {u"1280", u"157.0375"}, {u"1281", u"157.0875"},
    {u"1282", u"157.1375"}, {u"1283", u"157.1875"}, {u"1284", u"157.2375"}, {u"1285", u"157.2875"},
    {u"1286", u"157.3375"}, {u"1287", u"157.3875"}, {u"1288", u"157.4125"}, {u"2001", u"160.6500"},
    {u"2002", u"160.7000"}, {u"2003", u"160.7500"}, {u"2004", u"160.8000"}, {u"2005", u"160.8500"},
    {u"2006", u"156.3000"}, {u"2007", u"160.9500"}, {u"2008", u"156.4000"}, {u"2009", u"156.4500"},
    {u"2010", u"156.5000"}, {u"2011", u"156.5500"}, {u"2012", u"156.6000"}, {u"2013", u"156.6500"},
    {u"2014", u"156.7000"}, {u"2015", u"156.7500"}, {u"2016", u"156.8000"}, {u"2017", u"156.8500"},
    {u"2018", u"161.5000"}, {u"2019", u"161.5500"}, {u"2020", u"161.6000"}, {u"2021", u"161.6500"},
    {u"2022", u"161.7000"}, {u"2023", u"161.7500"}, {u"2024", u"161.8000"}, {u"2025", u"161.8500"},
    {u"2026", u"161.9125"}, {u"2027", u"161.9625"}, {u"2028", u"162.0000"}, {u"2060", u"160.6250"},
    {u"2061", u"160.6750"}, {u"2062", u"160.7250"}, {u"2063", u"160.7750"}, {u"2064", u"160.8250"},
    {u"2065", u"160.8750"}, {u"2066", u"160.9250"}, {u"2078", u"161.5250"}, {u"2079", u"161.5750"},
    {u"2080", u"161.6250"}, {u"2081", u"161.6750"}, {u"2082", u"161.7250"}, {u"2083", u"161.7750"},
    {u"2084", u"161.8250"}, {u"2085", u"161.8750"}, {u"2086", u"161.9250"}, {u"2087", u"161.9750"},
    {u"2088", u"162.0250"}, {u"2201", u"160.6625"}, {u"2202", u"160.7125"}, {u"2203", u"160.7625"},
    {u"2204", u"160.8125"}, {u"2205", u"160.8625"}, {u"2206", u"160.9125"}, {u"2207", u"160.9625"},
    {u"2218", u"161.5125"}, {u"2219", u"161.5625"}, {u"2220", u"161.6125"}, {u"2221", u"161.6625"},
    {u"2222", u"161.7125"}, {u"2223", u"161.7625"}, {u"2224", u"161.8125"}, {u"2225", u"161.8625"},
    {u"2226", u"161.9250"}, {u"2227", u"161.9750"}, {u"2228", u"162.0125"}, {u"2260", u"160.6375"},
    {u"2261", u"160.6875"}, {u"2262", u"160.7375"}, {u"2263", u"160.7875"}, {u"2264", u"160.8375"},
    {u"2265", u"160.8875"}, {u"2266", u"160.9375"}, {u"2278", u"161.5375"}, {u"2280", u"161.6375"},
    {u"2281", u"161.6875"}, {u"2282", u"161.7375"}, {u"2283", u"161.7875"}, {u"2284", u"161.8375"},
    {u"2285", u"161.8875"}, {u"2286", u"161.9375"}, {u"2287", u"161.9675"}, {u"2288", u"162.0125"},
}};

QStringList fromLiterals(std::initializer_list<const char16_t *> items)
{
    QStringList out;
    for (const char16_t *s : items)
        out.append(QString::fromUtf16(s));
    return out;
}

QStringList numbered(const QString &first, int from, int to, const QString &suffix = {})
{
    QStringList out{first};
    for (int n = from; n <= to; ++n)
        out.append(QString::number(n) + suffix);
    return out;
}

struct Lists {
    QStringList shipType = fromLiterals({AISSET_TEXT("Choice", "20(飞翼船)"),
                                         AISSET_TEXT("Choice", "30(渔船)"),
                                         AISSET_TEXT("Choice", "31(拖带船)"),
                                         AISSET_TEXT("Choice", "32(拖带船:超200M长或25M宽)"),
                                         AISSET_TEXT("Choice", "33(拖带船:水下作业)"),
                                         AISSET_TEXT("Choice", "34(拖带船:潜水)"),
                                         AISSET_TEXT("Choice", "35(拖带船:军事)"),
                                         AISSET_TEXT("Choice", "36(游艇)"),
                                         AISSET_TEXT("Choice", "37(游船)"),
                                         AISSET_TEXT("Choice", "40(高速船舶)"),
                                         AISSET_TEXT("Choice", "41(高速船舶:危险运输)"),
                                         AISSET_TEXT("Choice", "50(领港船)"),
                                         AISSET_TEXT("Choice", "51(搜救船)"),
                                         AISSET_TEXT("Choice", "52(拖船)"),
                                         AISSET_TEXT("Choice", "53(港口供应船)"),
                                         AISSET_TEXT("Choice", "54(防污船舶)"),
                                         AISSET_TEXT("Choice", "55(执法船)"),
                                         AISSET_TEXT("Choice", "58(医药运输船)"),
                                         AISSET_TEXT("Choice", "60(渡船)"),
                                         AISSET_TEXT("Choice", "61(渡船:危险运输)"),
                                         AISSET_TEXT("Choice", "70(货船)"),
                                         AISSET_TEXT("Choice", "71(货船:危险运输)"),
                                         AISSET_TEXT("Choice", "80(油船)"),
                                         AISSET_TEXT("Choice", "81(油船:危险运输)"),
                                         AISSET_TEXT("Choice", "90(其它类型船)")});
    QStringList epfd = fromLiterals({AISSET_TEXT("Choice", "0(未定义)"), u"1(GPS)", u"2(GLONASS)", u"3(GPS/GLONASS)",
                                     AISSET_TEXT("Choice", "4(罗兰 C)"), u"5(Chayka)",
                                     AISSET_TEXT("Choice", "6(导航系统"), AISSET_TEXT("Choice", "7(观测)")});
    QStringList distance = fromLiterals({AISSET_TEXT("Choice", "关闭"), u"0.1海里", u"0.2海里", u"0.3海里", u"0.4海里",
                                         u"0.5海里", u"0.6海里", u"0.7海里", u"0.8海里", u"0.9海里", u"1.0海里",
                                         u"2.0海里", u"3.0海里", u"4.0海里", u"5.0海里", u"6.0海里"});
    QStringList onOff = fromLiterals({AISSET_TEXT("Choice", "开"), AISSET_TEXT("Choice", "关")});
    QStringList offOn = fromLiterals({AISSET_TEXT("Choice", "关"), AISSET_TEXT("Choice", "开")});
    QStringList volume = numbered(QString::fromUtf16(AISSET_TEXT("Choice", "关闭")), 1, 7);
    QStringList brightness = numbered(QString::fromUtf16(AISSET_TEXT("Choice", "关闭")), 1, 3);
    QStringList lcd = fromLiterals({AISSET_TEXT("Choice", "正显"), AISSET_TEXT("Choice", "负显")});
    QStringList dataOutput = fromLiterals({AISSET_TEXT("Choice", "关"), u"AIS", u"GPS", AISSET_TEXT("Choice", "全部")});
    QStringList arrival = numbered(QString::fromUtf16(AISSET_TEXT("Choice", "关闭")), 1, 15, QStringLiteral("海里"));
    QStringList gps = fromLiterals({u"RMC,GSV,GSA", u"RMC"});
    QStringList channels;
    QStringList none;

    Lists()
    {
        for (const Channel &c : kChannels)
            channels.append(QString::fromUtf16(c.number) + u'(' + QString::fromUtf16(c.frequency) +
                            QStringLiteral(")MHz"));
    }
};

const Lists &lists()
{
    static const Lists instance;
    return instance;
}

} // namespace

const QStringList &channelEntries() { return lists().channels; }

const QStringList &choiceEntries(int s)
{
    const Lists &l = lists();
    switch (s) {
    case slot::shipType: return l.shipType;
    case slot::epfdType: return l.epfd;
    case slot::channel1:
    case slot::channel2: return l.channels;
    case slot::soundPromptRange:
    case slot::alarmRange: return l.distance;
    case slot::lightPrompt:
    case slot::vhfTalk:
    case slot::autoVhfOff: return l.onOff;
    case slot::promptVolume:
    case slot::alarmVolume: return l.volume;
    case slot::keyBrightness: return l.brightness;
    case slot::lcdMode: return l.lcd;
    case slot::dataOutput: return l.dataOutput;
    case slot::arrivalRange: return l.arrival;
    case slot::approachDisplay:
    case slot::alarm16:
    case slot::aisTransmit:
    case slot::autoRange:
    case slot::customMessage: return l.offOn;
    case slot::gpsOutput: return l.gps;
    default: return l.none;
    }
}

int startPosition(int s)
{
    switch (s) {
    case slot::epfdType: return 1;   // "1(GPS)"
    case slot::channel1: return 143; // "2087(161.9750)MHz"
    case slot::channel2: return 144; // "2088(162.0250)MHz"
    case slot::soundPromptRange:
    case slot::alarmRange: return 5;    // "0.5海里"
    case slot::promptVolume: return 2;  // "2"
    case slot::alarmVolume: return 3;   // "3"
    case slot::keyBrightness: return 2; // "2"
    case slot::vhfTalk: return 1;       // "关"
    case slot::dataOutput: return 2;    // "GPS"
    case slot::arrivalRange: return 5;  // "5海里"
    case slot::lightPrompt:
    case slot::lcdMode:
    case slot::approachDisplay:
    case slot::alarm16:
    case slot::aisTransmit:
    case slot::autoRange:
    case slot::gpsOutput:
    case slot::customMessage:
    case slot::autoVhfOff: return 0;
    default: return -1; // the ship type starts unselected
    }
}

} // namespace aisset
