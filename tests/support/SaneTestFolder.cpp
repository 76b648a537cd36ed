#include "SaneTestFolder.h"

#include <dlfcn.h>
#include <pthread.h>

#include <cstdlib>

#include "TempDir.h"

namespace turnpixa::test {

void useSaneTestBackend(bool withDevices) {
    static TempDir folder;
    // Kept loaded after sane_exit, so that leak reports can name it.
    static void* backend = dlopen(TURNPIXA_SANE_TEST_BACKEND, RTLD_NOW | RTLD_NODELETE);
    (void)backend;
    writeWholeFile(folder.file("dll.conf"), withDevices ? "test\n" : "");
    writeWholeFile(folder.file("test.conf"), "number_of_devices 2\nresolution 25\n");
    setenv("SANE_CONFIG_DIR", folder.path().c_str(), 1);
}

}  // namespace turnpixa::test

// SANE's test backend keeps buffers of a feeder run that it never frees;
// under LeakSanitizer those are its leaks, not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libsane-test.so\n";
}

// SANE's backends cancel their reader thread asynchronously when a scan stops
// early (a jam, a cancel). Cancelled inside malloc, that thread leaves the
// allocator locked and dies on it while the frontend waits in sane_cancel for
// ever: rare on one run, certain over the many runs of the tests. Here the
// reader is cancelled at its next cancellation point instead (its pipe write).
extern "C" int pthread_setcanceltype(int, int* oldtype) {
    using SetCancelType = int (*)(int, int*);
    static const auto real =
        reinterpret_cast<SetCancelType>(dlsym(RTLD_NEXT, "pthread_setcanceltype"));
    return real(PTHREAD_CANCEL_DEFERRED, oldtype);
}
