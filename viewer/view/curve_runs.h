// Curves drawn straight into the picture's pixels where they are dense.
#pragma once

#include <QImage>
#include <QLine>
#include <QPoint>
#include <QRect>

#include <vector>

class QPainter;

namespace grafyon {

// The image a painter draws into when curves may be written into its pixels directly: an
// image of 32-bit pixels, not shared, at one pixel per unit, drawn without a transform,
// with full opacity and source-over; null otherwise.
QImage* DirectCurveTarget(QPainter& painter);

// A dense curve is mostly one vertical run per pixel column, which Qt's line drawing blends
// a pixel at a time. Fills the runs of points (one or two per column, in column order) in
// color inside clip, and appends to steps the lines between columns that are more than their
// two end pixels, for Qt to draw: together they draw the polyline through points, with
// every column's run whole (Qt's own polyline leaves out some corner pixels).
void FillCurveRuns(QImage& image, const QPoint* points, int count, const QRect& clip, QRgb color,
                   std::vector<QLine>& steps);

}  // namespace grafyon
