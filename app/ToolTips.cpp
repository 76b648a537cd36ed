#include "ToolTips.h"

#include <QFontMetrics>
#include <QToolTip>
#include <QWidget>

namespace turnpixa {

int ToolTipStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    if (hint == QStyle::SH_ToolTip_WakeUpDelay) return kWakeUpDelayMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void addToolTip(QWidget* control, const QString& text) {
    const QFontMetrics metrics(QToolTip::font());
    QString tip = text.toHtmlEscaped();
    // Rich text in a table of fixed width is how a Qt tip wraps at a width;
    // short tips stay one line of their own length.
    if (metrics.horizontalAdvance(text) > ToolTipStyle::kWrapWidth) {
        // Rich text folds "\n" into a blank: the paragraphs need <br>.
        tip.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
        tip = QStringLiteral("<table width='%1'><tr><td>%2</td></tr></table>")
                  .arg(ToolTipStyle::kWrapWidth)
                  .arg(tip);
    }
    control->setToolTip(tip);
    control->setToolTipDuration(ToolTipStyle::kDurationMs);
}

}  // namespace turnpixa
