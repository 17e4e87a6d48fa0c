#pragma once

namespace aisset {

// Whether the three digits are a maritime identification digit (MID) that the
// ITU has allocated to a country or area.
bool isAllocatedMid(int mid);

} // namespace aisset
