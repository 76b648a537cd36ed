#include "TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace turnpixa {

namespace {

// The text as drawn: "&&" is one ampersand, a lone "&" marks a shortcut.
QString shownText(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int widestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

bool textFits(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull()) return true;
        // A wrapping label needs room for its longest word; its height is
        // the layout's to give.
        if (label->wordWrap()) {
            int widest = 0;
            for (const QString& word :
                 label->text().split(QRegularExpression(QStringLiteral("\\s+"))))
                widest = std::max(widest, label->fontMetrics().horizontalAdvance(word));
            return widest <= label->contentsRect().width();
        }
        return label->sizeHint().width() <= label->width();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        const QString text = shownText(button->text());
        if (text.isEmpty()) return true;
        if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w))
            return button->sizeHint().width() <= button->width();
        // The text no wider than the button (the style's margins may go).
        int needed = widestLine(w->fontMetrics(), text);
        if (!button->icon().isNull()) needed += button->iconSize().width() + 4;
        return needed <= button->width();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
        if (group->title().isEmpty()) return true;
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, group);
        return title.left() + w->fontMetrics().horizontalAdvance(shownText(group->title())) <=
               group->width();
    }
    return true;
}

}  // namespace

bool textsFit(const QWidget* container) {
    for (const QWidget* w : container->findChildren<QWidget*>())
        if (w->isVisibleTo(container) && !textFits(w)) return false;
    return true;
}

int widthForTexts(QWidget* container, int width, int height, int limit) {
    constexpr int kStep = 8;
    // Fonts and margins as they will be shown.
    container->ensurePolished();
    for (;;) {
        container->setGeometry(container->x(), container->y(), width, height);
        // The children are placed now (in the contents rectangle, as their
        // layouts place them), not when the resize events arrive
        // (a page that is not shown gets them only when it is); parents
        // come before their children.
        if (QLayout* layout = container->layout()) layout->setGeometry(container->contentsRect());
        for (QWidget* w : container->findChildren<QWidget*>())
            if (QLayout* layout = w->layout()) layout->setGeometry(w->contentsRect());
        if (width >= limit || textsFit(container)) return width;
        width = std::min(limit, width + kStep);
    }
}

}  // namespace turnpixa
