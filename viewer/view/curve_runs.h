// Curves drawn straight into the picture's pixels where they are dense.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

namespace grafyon {

// The image a painter draws into when curves may be written into its pixels directly: an
// image of 32-bit pixels at one pixel per unit, drawn without a transform, with full opacity
// and source-over; null otherwise.
QImage* DirectCurveTarget(QPainter& painter);

// A dense curve is mostly one vertical run per pixel column, which Qt's line drawing blends
// a pixel at a time. Draws the polyline through points (one or two per column, in column
// order) in color inside clip as one run of rows per column: the column's own run and the
// rows the steps to its neighbours pass in it. Unlike Qt's polyline, every column's run is
// drawn whole (Qt leaves out some corner pixels); steps may differ from Qt's by a pixel.
void FillCurveRuns(QImage& image, const QPoint* points, int count, const QRect& clip, QRgb color);

}  // namespace grafyon
