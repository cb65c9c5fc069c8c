// Turns per-column value extremes of a curve into its point buffer.
#pragma once

#include <vector>

#include "graphic_rect.h"
#include "plot_mapping.h"
#include "viewer/data/dataset_display.h"

namespace grafyon {

// The smallest and largest value that fall into one pixel column; empty columns
// hold no sample.
struct ColumnRange {
    double minimum = 0.0;
    double maximum = 0.0;
    bool empty = true;
};

// Fills the buffer with at most two points per column (the column's extremes),
// ordered so that the line enters each column at the extreme nearer to where it
// comes from. columns[i] belongs to pixel column plot.left + i.
void BuildColumnPoints(DatasetDisplay& display, const std::vector<ColumnRange>& columns,
                       const GraphicRect& plot);

// A constant curve: one horizontal line at its row from the column of max(0, start)
// to the column of min(end, lastTime); nothing when the row lies outside the plot.
void BuildFlatPoints(DatasetDisplay& display, double value, const GraphicRect& plot,
                     double startTime, double endTime, double lastTime);

}  // namespace grafyon
