#pragma once
#include "Twain.h"

namespace turnpixa {

// The TWAIN source manager as the acquisition code sees it: one entry point
// taking the data group, data argument type and message. dest is null for
// operations on the manager itself; data points at the structure the
// operation names (or at the window handle for DAT_PARENT).
class SourceManager {
public:
    virtual ~SourceManager() = default;
    virtual twain::TW_UINT16 entry(twain::TW_IDENTITY* origin, twain::TW_IDENTITY* dest,
                                   twain::TW_UINT32 dg, twain::TW_UINT16 dat, twain::TW_UINT16 msg,
                                   void* data) = 0;
};

}  // namespace turnpixa
