// Shared-memory segments (MIT-SHM) that surfaces keep their pixels in, so the server reads
// them where the layer painted them. Included only after the Xlib headers.
#pragma once

#include <X11/extensions/XShm.h>

#include <cstddef>
#include <memory>

namespace plat::x11 {

// The client's mapping of one segment; unmapped when the last holder lets go (the surface on
// it, the window that shows it). The kernel frees the memory once the server has let go too.
struct ShmSegment {
    XShmSegmentInfo info{};
    ShmSegment() = default;
    ShmSegment(const ShmSegment&) = delete;
    ShmSegment& operator=(const ShmSegment&) = delete;
    ~ShmSegment();
};

// A fresh segment of `bytes` (zero-filled by the kernel as it is first touched) that the
// server has attached; nullptr when the server cannot reach this process's memory.
std::shared_ptr<ShmSegment> attach_segment(Display* dpy, std::size_t bytes);

// The server lets go of the segment; requests sent before still read it.
void detach_segment(Display* dpy, ShmSegment& segment);

} // namespace plat::x11
