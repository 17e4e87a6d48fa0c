#include "startup/SharedHeap.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace aisset::startup {

void shareOneHeap()
{
#ifdef __GLIBC__
    mallopt(M_ARENA_MAX, 1);
#endif
}

} // namespace aisset::startup
