#include "SaneTestFolder.h"

#include <dlfcn.h>

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
