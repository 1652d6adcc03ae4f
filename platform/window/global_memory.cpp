// Memory blocks by handle, as the clipboard takes and hands out its data. Handles are checked
// against the live blocks, so a freed or made-up handle is refused.
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

#include <windows.h>

namespace {

struct Block {
    std::vector<std::byte> bytes;
    int locks = 0;
};

std::unordered_map<HGLOBAL, std::unique_ptr<Block>>& blocks() {
    static std::unordered_map<HGLOBAL, std::unique_ptr<Block>> all;
    return all;
}

Block* block_of(HGLOBAL memory) {
    auto it = blocks().find(memory);
    return it == blocks().end() ? nullptr : it->second.get();
}

} // namespace

HGLOBAL GlobalAlloc(UINT /*flags*/, SIZE_T bytes) {
    // Blocks are always zeroed; one byte at least, so every block has an address of its own.
    auto b = std::make_unique<Block>();
    b->bytes.resize(bytes ? bytes : 1);
    HGLOBAL handle = b.get();
    blocks().emplace(handle, std::move(b));
    return handle;
}

LPVOID GlobalLock(HGLOBAL memory) {
    Block* b = block_of(memory);
    if (!b) return nullptr;
    ++b->locks;
    return b->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL memory) {
    Block* b = block_of(memory);
    if (!b || b->locks == 0) return FALSE;
    return --b->locks > 0;
}

SIZE_T GlobalSize(HGLOBAL memory) {
    const Block* b = block_of(memory);
    return b ? b->bytes.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
    return blocks().erase(memory) ? nullptr : memory;
}
