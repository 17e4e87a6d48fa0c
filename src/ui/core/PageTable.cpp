#include "ui/core/PageTable.h"

#include "model/TextMark.h"
#include "ui/core/WindowLayout.h"

#include <algorithm>
#include <array>

namespace aisset {

namespace {

using enum FieldKind;

constexpr std::array<PageRow, 5> kPages{{
    {Page::OwnShip, u"本船资料设置", AISSET_TEXT("Page", "本船资料设置"), Group::OwnShip, FieldRef{Edit, slot::mmsi},
     FieldRef{Choice, slot::epfdType}, Button::OwnShipWrite, 8400, true, std::nullopt, false},
    {Page::System, u"系统设置", AISSET_TEXT("Page", "系统设置"), Group::System, FieldRef{Choice, slot::channel1},
     FieldRef{Choice, slot::alarm16}, Button::SystemWrite, 7980, true, std::nullopt, false},
    {Page::Instructions, u"key3", AISSET_TEXT("Page", "说明显示"), std::nullopt, std::nullopt, std::nullopt,
     std::nullopt, 0, false, WindowLayout::Image4, false},
    {Page::Connection, u"key4", AISSET_TEXT("Page", "连接实图"), std::nullopt, std::nullopt, std::nullopt, std::nullopt,
     0, false, WindowLayout::Image5, false},
    // The factory page's write button stands where the system page has its own.
    {Page::Factory, u"key5", AISSET_TEXT("Page", "出厂资料设置"), Group::Factory, FieldRef{Edit, slot::vendorNumber},
     FieldRef{Edit, slot::powerOnTime}, Button::FactoryWrite, 7980, false, std::nullopt, true},
}};

} // namespace

std::span<const PageRow> pages() { return kPages; }

const PageRow &pageRow(Page page) { return kPages.at(std::size_t(tabIndex(page))); }

const PageRow &pageAtTab(int index) { return kPages.at(std::size_t(index)); }

int tabIndex(Page page)
{
    return int(std::find_if(kPages.begin(), kPages.end(), [page](const PageRow &row) { return row.page == page; }) -
               kPages.begin());
}

std::optional<Group> groupWrittenBy(Button button)
{
    for (const PageRow &row : kPages)
        if (row.writeButton == button)
            return row.group;
    return std::nullopt;
}

} // namespace aisset
