// Module instances: registered .res blobs, and the resource handles found in them.
#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include "resource/cp1252.h"
#include "resource/res_reader.h"
#include "win/resource.h"

namespace plat {

namespace {

struct FoundResource {
    std::span<const std::byte> data;
};

struct Module {
    std::span<const std::byte> blob;
    // Keyed by where the data starts, so that finding a resource again gives the same handle.
    std::map<const std::byte*, std::unique_ptr<FoundResource>> found;
};

struct Registry {
    std::mutex mutex;
    std::vector<std::unique_ptr<Module>> modules;

    Module* module(HMODULE handle) {
        if (!handle) return modules.empty() ? nullptr : modules.back().get();
        for (auto& m : modules)
            if (reinterpret_cast<HMODULE>(m.get()) == handle) return m.get();
        return nullptr;
    }
    const FoundResource* resource(HMODULE handle, HRSRC resource) {
        for (auto& m : modules) {
            if (handle && reinterpret_cast<HMODULE>(m.get()) != handle) continue;
            for (auto& [start, found] : m->found)
                if (reinterpret_cast<HRSRC>(found.get()) == resource) return found.get();
        }
        return nullptr;
    }
};

// Constructed on first use: modules register themselves during static initialisation.
Registry& registry() {
    static Registry instance;
    return instance;
}

// MAKEINTRESOURCEA(n) and "#n" are ordinals; anything else is a name.
ResId to_res_id(LPCSTR id) {
    if (IS_INTRESOURCE(id)) return ResId::number(LOWORD(reinterpret_cast<ULONG_PTR>(id)));
    std::string_view text(id);
    if (text.size() > 1 && text.size() <= 6 && text[0] == '#') {
        unsigned value = 0;
        bool digits = true;
        for (char c : text.substr(1)) {
            digits = digits && c >= '0' && c <= '9';
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        if (digits && value <= 0xFFFF) return ResId::number(static_cast<WORD>(value));
    }
    return ResId::text(cp1252_to_utf16(text));
}

} // namespace

HINSTANCE register_module(std::span<const std::byte> res) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    auto module = std::make_unique<Module>();
    module->blob = res;
    r.modules.push_back(std::move(module));
    return reinterpret_cast<HINSTANCE>(r.modules.back().get());
}

void unregister_module(HINSTANCE module) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    std::erase_if(r.modules,
                  [&](const auto& m) { return reinterpret_cast<HINSTANCE>(m.get()) == module; });
}

std::span<const std::byte> module_bytes(HINSTANCE module) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    Module* m = module ? r.module(module) : nullptr;
    return m ? m->blob : std::span<const std::byte>{};
}

HINSTANCE default_module() {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    return r.modules.empty() ? nullptr : reinterpret_cast<HINSTANCE>(r.modules.back().get());
}

std::optional<std::span<const std::byte>> resource_bytes(HINSTANCE module, LPCSTR name,
                                                         LPCSTR type) {
    HRSRC found = FindResourceA(module, name, type);
    if (!found) return std::nullopt;
    auto* data = static_cast<const std::byte*>(LockResource(LoadResource(module, found)));
    return std::span<const std::byte>(data, SizeofResource(module, found));
}

} // namespace plat

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    return FindResourceExA(module, type, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
}

HRSRC WINAPI FindResourceExA(HMODULE module, LPCSTR type, LPCSTR name, WORD language) {
    if (!type || !name) return nullptr;
    auto& r = plat::registry();
    std::lock_guard lock(r.mutex);
    plat::Module* m = r.module(module);
    if (!m) return nullptr;
    auto entry =
        plat::find_res_entry(m->blob, plat::to_res_id(type), plat::to_res_id(name), language);
    if (!entry) return nullptr;
    auto& slot = m->found[entry->data.data()];
    if (!slot) slot = std::make_unique<plat::FoundResource>(plat::FoundResource{entry->data});
    return reinterpret_cast<HRSRC>(slot.get());
}

HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource) {
    auto& r = plat::registry();
    std::lock_guard lock(r.mutex);
    const plat::FoundResource* found = r.resource(module, resource);
    if (!found) return nullptr;
    // Zero-sized data still has an address inside the blob, so success is never null.
    return const_cast<std::byte*>(found->data.data());
}

LPVOID WINAPI LockResource(HGLOBAL data) {
    return data;
}

DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource) {
    auto& r = plat::registry();
    std::lock_guard lock(r.mutex);
    const plat::FoundResource* found = r.resource(module, resource);
    return found ? static_cast<DWORD>(found->data.size()) : 0;
}

// Resources live as long as their module; modern Windows too always answers FALSE.
BOOL WINAPI FreeResource(HGLOBAL) {
    return FALSE;
}
