#include "platform/winapi/GlobalMemory.h"

#include <cstdlib>
#include <mutex>
#include <new>
#include <unordered_set>

struct GlobalBlock {
    void* data;
    size_t bytes;
    unsigned locks;
};

namespace {

std::mutex g_lock;
std::unordered_set<GlobalBlock*>& Blocks()
{
    static std::unordered_set<GlobalBlock*> blocks;
    return blocks;
}

bool Valid(HGLOBAL h) { return h && Blocks().count(h); }

} // namespace

HGLOBAL GlobalAlloc(UINT flags, size_t bytes)
{
    void* data = (flags & GMEM_ZEROINIT) ? std::calloc(bytes ? bytes : 1, 1) : std::malloc(bytes ? bytes : 1);
    if (!data)
        return nullptr;
    auto* block = new (std::nothrow) GlobalBlock{data, bytes, 0};
    if (!block) {
        std::free(data);
        return nullptr;
    }
    std::lock_guard<std::mutex> g(g_lock);
    Blocks().insert(block);
    return block;
}

void* GlobalLock(HGLOBAL h)
{
    std::lock_guard<std::mutex> g(g_lock);
    if (!Valid(h))
        return nullptr;
    ++h->locks;
    return h->data;
}

BOOL GlobalUnlock(HGLOBAL h)
{
    std::lock_guard<std::mutex> g(g_lock);
    if (!Valid(h) || h->locks == 0)
        return FALSE;
    return --h->locks ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL h)
{
    std::lock_guard<std::mutex> g(g_lock);
    if (!Valid(h))
        return h;
    Blocks().erase(h);
    std::free(h->data);
    delete h;
    return nullptr;
}

size_t GlobalSize(HGLOBAL h)
{
    std::lock_guard<std::mutex> g(g_lock);
    return Valid(h) ? h->bytes : 0;
}
