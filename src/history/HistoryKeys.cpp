#include "history/HistoryKeys.h"

#include <array>
#include <utility>

namespace aisset {

namespace {

constexpr std::array<std::pair<TransactionKind, const char16_t *>, 5> kKinds{{
    {TransactionKind::OwnShipWrite, u"ownship"},
    {TransactionKind::SystemWrite, u"system"},
    {TransactionKind::FactoryWrite, u"factory"},
    {TransactionKind::Read, u"read"},
    {TransactionKind::Verify, u"verify"},
}};

constexpr std::array<std::pair<TransactionResult, const char16_t *>, 8> kResults{{
    {TransactionResult::Acknowledged, u"acknowledged"},
    {TransactionResult::NoAnswer, u"no-answer"},
    {TransactionResult::PortNotOpen, u"port-not-open"},
    {TransactionResult::Refused, u"refused"},
    {TransactionResult::Decoded, u"decoded"},
    {TransactionResult::DecodingFailed, u"decoding-failed"},
    {TransactionResult::Agree, u"agree"},
    {TransactionResult::Differ, u"differ"},
}};

template <typename Enum, std::size_t N>
QString keyOf(const std::array<std::pair<Enum, const char16_t *>, N> &table, Enum value)
{
    for (const auto &[v, key] : table)
        if (v == value)
            return QString::fromUtf16(key);
    return {};
}

template <typename Enum, std::size_t N>
std::optional<Enum> valueOf(const std::array<std::pair<Enum, const char16_t *>, N> &table, const QString &key)
{
    for (const auto &[v, k] : table)
        if (key == QStringView(k))
            return v;
    return std::nullopt;
}

} // namespace

QString kindKey(TransactionKind kind) { return keyOf(kKinds, kind); }
QString resultKey(TransactionResult result) { return keyOf(kResults, result); }
std::optional<TransactionKind> kindFromKey(const QString &key) { return valueOf(kKinds, key); }
std::optional<TransactionResult> resultFromKey(const QString &key) { return valueOf(kResults, key); }

} // namespace aisset
