#include <X11/Xlib.h>

#include "backend/x11/x11_shm.h"

#include <sys/ipc.h>
#include <sys/shm.h>

namespace plat::x11 {
namespace {

int attachError = 0;
int note_error(Display*, XErrorEvent* e) {
    attachError = e->error_code;
    return 0;
}

} // namespace

ShmSegment::~ShmSegment() {
    if (info.shmaddr) shmdt(info.shmaddr);
}

std::shared_ptr<ShmSegment> attach_segment(Display* dpy, std::size_t bytes) {
    if (bytes == 0) return nullptr;
    auto segment = std::make_shared<ShmSegment>();
    XShmSegmentInfo& info = segment->info;
    info.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (info.shmid < 0) return nullptr;
    void* at = shmat(info.shmid, nullptr, 0);
    // Marked for removal at once: the segment goes when both sides have detached, even if the
    // process dies.
    shmctl(info.shmid, IPC_RMID, nullptr);
    if (at == reinterpret_cast<void*>(-1)) return nullptr;
    info.shmaddr = static_cast<char*>(at);
    info.readOnly = True;
    // Whether the server could attach is known only once it has answered; a remote server
    // fails here.
    attachError = 0;
    XErrorHandler previous = XSetErrorHandler(note_error);
    const bool attached = XShmAttach(dpy, &info) && (XSync(dpy, False), attachError == 0);
    XSetErrorHandler(previous);
    if (!attached) return nullptr;
    return segment;
}

void detach_segment(Display* dpy, ShmSegment& segment) {
    if (segment.info.shmaddr) XShmDetach(dpy, &segment.info);
}

} // namespace plat::x11
