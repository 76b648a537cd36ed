#pragma once
#include <QIcon>

namespace turnpixa {

// The program icon in every size drawn for it (16 to 256 pixels), for the
// window, the About box and the desktop.
QIcon programIcon();

}  // namespace turnpixa
