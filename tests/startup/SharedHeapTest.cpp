// After shareOneHeap a new thread allocates from the heap the process already
// has instead of opening an arena of its own (glibc; elsewhere nothing to see).
#include "startup/SharedHeap.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <gtest/gtest.h>

namespace {

#ifdef __GLIBC__
// The heaps (arenas) the allocator keeps, as its report lists them.
int heapCount()
{
    char *text = nullptr;
    std::size_t size = 0;
    FILE *report = open_memstream(&text, &size);
    malloc_info(0, report);
    std::fclose(report);
    const std::string xml(text, size);
    std::free(text);
    int count = 0;
    for (std::size_t at = xml.find("<heap nr="); at != std::string::npos; at = xml.find("<heap nr=", at + 1))
        ++count;
    return count;
}

TEST(SharedHeap, ANewThreadAllocatesFromTheProcesssHeap)
{
    aisset::startup::shareOneHeap();
    const int before = heapCount();
    std::thread([] {
        void *block = std::malloc(4096);
        std::free(block);
    }).join();
    EXPECT_EQ(heapCount(), before);
}
#endif

} // namespace
