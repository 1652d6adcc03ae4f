// A field for the clipboard's end-to-end tests. "clip_tool copy READY" puts "Grüße 5€" (in
// Windows-1252) into an edit field, copies it with WM_COPY, writes READY and keeps serving the
// clipboard for ten seconds. "clip_tool paste OUT" pastes into an empty field with WM_PASTE and
// writes the field's bytes to OUT.
#include <cstdio>
#include <cstring>
#include <string>

#include <platform_start.h>
#include <windows.h>

namespace {

bool write_file(const char* path, const std::string& bytes) {
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "copy") != 0 && std::strcmp(argv[1], "paste") != 0)) {
        std::fprintf(stderr, "usage: clip_tool copy READY | paste OUT\n");
        return 2;
    }
    std::string reason;
    if (!plat::start_backend(reason)) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 1;
    }
    const bool copy = std::strcmp(argv[1], "copy") == 0;
    const HWND frame = CreateWindowExA(0, "STATIC", "clip", WS_POPUP, 0, 0, 200, 40, nullptr,
                                       nullptr, nullptr, nullptr);
    const HWND field =
        CreateWindowExA(0, "EDIT",
                        copy ? "Gr\xFC\xDF"
                               "e 5\x80"
                             : "",
                        WS_CHILD | ES_AUTOHSCROLL, 0, 0, 200, 20, frame, nullptr, nullptr, nullptr);
    int status = 0;
    if (copy) {
        SendMessageA(field, EM_SETSEL, 0, -1);
        SendMessageA(field, WM_COPY, 0, 0);
        if (!write_file(argv[2], "ready\n")) status = 1;
        SetTimer(nullptr, 1, 10000, nullptr);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) && msg.message != WM_TIMER)
            DispatchMessageA(&msg);
    } else {
        SendMessageA(field, WM_PASTE, 0, 0);
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextA(field, text.data(), static_cast<int>(text.size()))));
        if (!write_file(argv[2], text)) status = 1;
    }
    DestroyWindow(frame);
    plat::stop_backend();
    return status;
}
