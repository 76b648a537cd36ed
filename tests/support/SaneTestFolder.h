#pragma once

namespace turnpixa::test {

// Points SANE at a folder of the tests' own whose dll.conf lists the test
// backend (or nothing), so that only its virtual devices test:0 and test:1
// appear, with pages of 80 x 100 mm at 25 dpi. SANE reads the folder's name
// once per process: there is one folder, and each call rewrites dll.conf.
void useSaneTestBackend(bool withDevices = true);

}  // namespace turnpixa::test
