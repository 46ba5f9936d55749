#pragma once

#include "reports/engine/ReportLayout.h"

#include <QImage>

class QPainter;

namespace report {

// Draws one page. The painter's coordinates must be page units (1/720 inch); callers
// scale it to their device. Screen, printer, PDF and images all draw through here.
void PaintPage(QPainter& painter, const Document& document, int page);

// Scales a painter on a device of `dpi` dots per inch to page units.
void ScaleToPageUnits(QPainter& painter, double dpi);

// A page as an image at `dpi`, on white.
QImage RenderPage(const Document& document, int page, double dpi);

}  // namespace report
