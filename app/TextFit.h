#pragma once

class QWidget;

namespace turnpixa {

// Whether every visible button, check box, label and group title inside
// container shows its whole text at the width it has now (a label that
// wraps its text: its longest word).
bool textsFit(const QWidget* container);

// Widens container from its given width in steps until textsFit or limit
// is reached; the width it ends with. Panels whose width was chosen for the
// English texts keep it in English and grow only for longer translations.
int widthForTexts(QWidget* container, int width, int height, int limit);

}  // namespace turnpixa
