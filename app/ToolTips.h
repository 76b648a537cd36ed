#pragma once
#include <QProxyStyle>
#include <QString>

class QWidget;

namespace turnpixa {

// Tips of the wizard: they appear after a second, stay ten seconds and wrap
// at 300 pixels, so a long explanation stays readable.
class ToolTipStyle : public QProxyStyle {
public:
    static constexpr int kWakeUpDelayMs = 1000;
    static constexpr int kDurationMs = 10000;
    static constexpr int kWrapWidth = 300;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Gives the control its tip with the duration and wrapping above.
void addToolTip(QWidget* control, const QString& text);

}  // namespace turnpixa
