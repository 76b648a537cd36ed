#pragma once
#include <QString>

class QPagedPaintDevice;
class QPageSize;
class QPainter;
class QRect;
class QSize;

namespace turnpixa {

// The pad painted with Qt: the preview on screen, a printer page, a PDF file.
// Everything drawn comes from padDrawing().

// Fills area white and draws the pad for a page of pageTenthsMm.
void paintPad(QPainter& painter, const QRect& area, const QSize& pageTenthsMm, int photos);

// One page on a device whose painting area is the whole page (a QPrinter
// with full page set, or a QPdfWriter without margins). False with a reason
// when the page cannot be started.
bool printPadPage(QPagedPaintDevice& device, int photos, QString& reason);

// A one-page PDF titled "TurnPixa".
bool writePadPdf(const QString& path, const QPageSize& paper, int photos, QString& reason);

// A Qt page size by its name or key ("A4", "Letter", "Legal", "A5" ...),
// without regard to case.
bool pageSizeFromName(const QString& name, QPageSize& size);

}  // namespace turnpixa
