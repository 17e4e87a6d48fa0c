#pragma once

#include "model/SaveResult.h"

#include <gtest/gtest.h>

namespace aisset {

// A saving that must reach the store.
inline void expectSaved(SaveResult result) { EXPECT_EQ(result, SaveResult::Saved); }

} // namespace aisset
