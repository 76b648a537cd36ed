#pragma once
#include <optional>
#include <string_view>

#include "image/PackedColour.h"
#include "image/Rect.h"

namespace turnpixa {

// Option values as turnpixa-cli reads them: whole text or nothing, and
// never through the user's locale.

// A decimal integer within [low, high]; one leading '+' is allowed.
bool parseInt(std::string_view text, long low, long high, int& value);
// A finite decimal number ("1.25", "2e-1").
bool parseDouble(std::string_view text, double& value);
// RRGGBB as a web page writes it, stored as a packed colour.
bool parseColour(std::string_view text, PackedColour& colour);

// "WxH", "Wx" or "xH" (ImageMagick's geometry for one or both sides), each
// side from 1 to maxSide; a missing side is left empty.
bool parseFrameSize(std::string_view text, int maxSide, std::optional<int>& width,
                    std::optional<int>& height);
// "L,T,R,B" (right and bottom exclusive) or ImageMagick's "WxH+X+Y", with
// every edge from 0 to maxCoordinate and a non-empty area.
bool parseCropRect(std::string_view text, int maxCoordinate, Rect& crop);

}  // namespace turnpixa
