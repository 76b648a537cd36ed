#pragma once
// One libjpeg error manager for the reader and the writer. libjpeg reports
// a fatal error through error_exit, which jumps back to the setjmp of the
// call in progress; that function creates no object with a destructor after
// it.
#include <cstdio>
// clang-format off
#include <jpeglib.h>
// clang-format on

#include <csetjmp>

namespace turnpixa {

inline constexpr const char* kJpegErrorTitle = "JPEG Library Error";

struct JpegErrorManager {
    jpeg_error_mgr pub{};
    std::jmp_buf jump{};
    bool reportErrors = false;   // fatal errors go to the report hook
    bool reportWarning = false;  // the first warning goes to the report hook
    bool warned = false;
};

// Sets libjpeg's defaults with our exits and returns the pointer for
// cinfo.err. The writer reports fatal errors; the reader, which tries a
// file after other formats refused it, reports only its first warning.
jpeg_error_mgr* useJpegErrorManager(JpegErrorManager& manager, bool reportErrors,
                                    bool reportWarning);

}  // namespace turnpixa
