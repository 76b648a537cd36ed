// Arbitrary bytes as what a web server sends back: an uploaded TurnPixa page
// read for the snippets, and the vendor's version file.
#include <cstdint>
#include <string_view>

#include "net/UpdateCheck.h"
#include "web/Snippets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    turnpixa::SnippetImage image;
    if (turnpixa::Snippets::parseUploadedPage(text, image)) {
        // Rows read back always lay the frames out whole, and the start
        // frame is one of them.
        if (image.rows < 1 || image.frames % image.rows != 0 || image.startFrame < 0 ||
            (image.rows > 1 && image.startFrame >= image.frames))
            __builtin_trap();
        (void)turnpixa::Snippets::webpage(image, "http://example.com/t", true);
        (void)turnpixa::Snippets::iframe(image, "http://example.com/t");
    }
    if (const auto version = turnpixa::parseVersionText(text))
        (void)turnpixa::formatVersion(*version);
    return 0;
}
