#pragma once

namespace aisset {

// Whether a saving reached the profile store. A failed saving (the store's folder
// cannot be written, the disk is full, another program held the store's lock for
// too long) changed nothing or only part of what it meant to; the caller says so.
enum class [[nodiscard]] SaveResult{Saved, Failed};

// The outcome of a saving made of independent steps: failed when any step failed.
constexpr SaveResult worstOf(SaveResult a, SaveResult b)
{
    return a == SaveResult::Failed || b == SaveResult::Failed ? SaveResult::Failed : SaveResult::Saved;
}

} // namespace aisset
