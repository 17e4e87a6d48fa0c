#pragma once

namespace aisset::startup {

// Has every thread of the process allocate from the one heap. The start's
// helper threads (the fonts, the first picture) would otherwise each leave an
// arena of their own behind, resident for the whole run (some 0.6 MB), for
// memory they have already given back. Where the C library keeps no arenas
// per thread, it does nothing.
void shareOneHeap();

} // namespace aisset::startup
