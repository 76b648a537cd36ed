#include "PadPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "devices/PadGeometry.h"

namespace turnpixa {

void paintPad(QPainter& painter, const QRect& area, const QSize& pageTenthsMm, int photos) {
    painter.fillRect(area, Qt::white);
    const PadDrawing pad = padDrawing(pageTenthsMm.width(), pageTenthsMm.height(), area.width(),
                                      area.height(), photos);
    // Width 0: the thinnest line the device can draw.
    const QPen dark(QColor(128, 128, 128), 0);
    const QPen light(QColor(192, 192, 192), 0);
    painter.save();
    painter.translate(area.topLeft());
    painter.setBrush(Qt::NoBrush);
    const QPoint centre(pad.centreX, pad.centreY);
    for (const PadCircle& c : pad.circles) {
        painter.setPen(c.dark ? dark : light);
        painter.drawEllipse(centre, c.radius, c.radius);
    }
    for (const PadLine& l : pad.lines) {
        painter.setPen(l.dark ? dark : light);
        painter.drawLine(centre, QPoint(l.x, l.y));
    }
    painter.restore();
}

bool printPadPage(QPagedPaintDevice& device, int photos, QString& reason) {
    const QRectF paper = device.pageLayout().fullRect(QPageLayout::Millimeter);
    const QSize tenths(qRound(paper.width() * 10), qRound(paper.height() * 10));
    if (tenths.isEmpty()) {
        reason = QStringLiteral("The paper size is not known.");
        return false;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        reason = QStringLiteral("The printer could not start the page.");
        return false;
    }
    paintPad(painter, QRect(0, 0, device.width(), device.height()), tenths, photos);
    if (!painter.end()) {
        reason = QStringLiteral("The printer could not finish the page.");
        return false;
    }
    return true;
}

bool writePadPdf(const QString& path, const QPageSize& paper, int photos, QString& reason) {
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("TurnPixa"));
    writer.setCreator(QStringLiteral("TurnPixa"));
    writer.setResolution(600);
    // The circles are measured from the whole sheet: no margins.
    if (!writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF()))) {
        reason = QStringLiteral("The paper size cannot be used.");
        return false;
    }
    return printPadPage(writer, photos, reason);
}

bool pageSizeFromName(const QString& name, QPageSize& size) {
    const QString wanted = name.trimmed();
    if (wanted.isEmpty()) return false;
    for (int id = 0; id <= static_cast<int>(QPageSize::LastPageSize); ++id) {
        const auto pageId = static_cast<QPageSize::PageSizeId>(id);
        if (pageId == QPageSize::Custom) continue;
        if (QPageSize::key(pageId).compare(wanted, Qt::CaseInsensitive) == 0 ||
            QPageSize::name(pageId).compare(wanted, Qt::CaseInsensitive) == 0) {
            size = QPageSize(pageId);
            return true;
        }
    }
    return false;
}

}  // namespace turnpixa
