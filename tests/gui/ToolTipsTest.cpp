#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>

#include "app/ToolTips.h"

namespace turnpixa {
namespace {

TEST(ToolTips, AppearAfterASecondAndStayTenSeconds) {
    ToolTipStyle style;
    EXPECT_EQ(style.styleHint(QStyle::SH_ToolTip_WakeUpDelay), 1000);
    QPushButton button;
    addToolTip(&button, QStringLiteral("Spin to the left"));
    EXPECT_EQ(button.toolTipDuration(), 10000);
    EXPECT_EQ(button.toolTip(), QStringLiteral("Spin to the left")) << "short tips stay plain";
}

TEST(ToolTips, LongTipsWrapAtThreeHundredPixels) {
    QPushButton button;
    const QString text = QStringLiteral(
        "Scanners and cameras are not supported in this version yet; load the photos from "
        "files with Browse, or drop them onto this page <all at once>.");
    addToolTip(&button, text);
    EXPECT_TRUE(button.toolTip().startsWith(QStringLiteral("<table width='300'>")))
        << button.toolTip().toStdString();
    EXPECT_TRUE(button.toolTip().contains(QStringLiteral("&lt;all at once&gt;")))
        << "the text is shown as written, not as markup";
    // The label Qt shows the tip in keeps to that width.
    QLabel shown(button.toolTip());
    shown.setWordWrap(true);
    EXPECT_LE(shown.sizeHint().width(), 300 + 20);
}

TEST(ToolTips, LongTipsKeepTheirLineBreaks) {
    QPushButton button;
    const QString text = QStringLiteral(
        "This slider controls how much background is removed.\n\nSlide to the right to remove "
        "more background.\nSlide to the left if too much is removed.");
    addToolTip(&button, text);
    QTextDocument shown;
    shown.setHtml(button.toolTip());
    // The table around it adds an empty paragraph in front.
    EXPECT_EQ(shown.toPlainText().trimmed().toStdString(), text.toStdString());
}

}  // namespace
}  // namespace turnpixa
