// Vertical runs of dense curves written into the image's pixels.
#include "curve_runs.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace grafyon {

QImage* DirectCurveTarget(QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    const bool thirtyTwoBits = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                               format == QImage::Format_ARGB32_Premultiplied;
    if (!thirtyTwoBits || image->devicePixelRatio() != 1.0 ||
        !painter.deviceTransform().isIdentity() || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver) {
        return nullptr;
    }
    return image;
}

namespace {

// Column runs to be written row by row: row y of the picture starts at origin + y x stride.
struct RunRows {
    uchar* origin;
    qsizetype stride;
    const std::int32_t* tops;
    const std::int32_t* bottoms;
    std::size_t width;
    int firstRow, lastRow;
    std::int32_t color;
};

// Every row, VB bytes of pixels at a time: each pixel whose column's run holds the row takes
// the colour.
// A vector of pixels; the attribute needs a typedef to take a template's size.
template <std::size_t VB>
struct PixelVector {
    typedef std::int32_t type __attribute__((vector_size(VB)));
};

template <std::size_t VB>
[[gnu::always_inline]] inline void FillRows(const RunRows& r) {
    using V = typename PixelVector<VB>::type;
    static_assert(sizeof(V) == VB);
    constexpr std::size_t LANES = VB / sizeof(std::int32_t);
    const V paint = V{} + r.color;
    for (int y = r.firstRow; y <= r.lastRow; ++y) {
        auto* row = reinterpret_cast<std::int32_t*>(r.origin + y * r.stride);
        const V here = V{} + y;
        std::size_t x = 0;
        for (; x + LANES <= r.width; x += LANES) {
            V top, bottom, dst;
            std::memcpy(&top, r.tops + x, sizeof(V));
            std::memcpy(&bottom, r.bottoms + x, sizeof(V));
            std::memcpy(&dst, row + x, sizeof(V));
            const V inside = (top <= here) & (here <= bottom);
            dst = (dst & ~inside) | (paint & inside);
            std::memcpy(row + x, &dst, sizeof(V));
        }
        for (; x < r.width; ++x) {
            if (r.tops[x] <= y && y <= r.bottoms[x])
                row[x] = r.color;
        }
    }
}

void FillRowsSse(const RunRows& r) {
    FillRows<16>(r);
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define GRAFYON_RUNS_AVX2 1
__attribute__((target("avx2"))) void FillRowsAvx2(const RunRows& r) {
    FillRows<32>(r);
}
#endif

}  // namespace

void FillCurveRuns(QImage& image, const QPoint* points, int count, const QRect& clip, QRgb color) {
    const QRect area = clip & image.rect();
    if (area.isEmpty() || count < 1)
        return;
    // Each column's run first, then the runs row by row: written column by column, every
    // pixel of a run lies on another page of the picture.
    const int left = area.left();
    const auto width = static_cast<std::size_t>(area.width());
    std::vector<std::int32_t> tops(width, std::numeric_limits<std::int32_t>::max());
    std::vector<std::int32_t> bottoms(width, std::numeric_limits<std::int32_t>::min());
    int firstRow = area.bottom() + 1, lastRow = area.top() - 1;
    std::int64_t pixels = 0;
    const auto addRun = [&](int x, int a, int b) {
        const int top = std::max(std::min(a, b), area.top());
        const int bottom = std::min(std::max(a, b), area.bottom());
        if (x < area.left() || x > area.right() || top > bottom)
            return;
        const auto c = static_cast<std::size_t>(x - left);
        tops[c] = std::min(tops[c], top);
        bottoms[c] = std::max(bottoms[c], bottom);
        firstRow = std::min(firstRow, top);
        lastRow = std::max(lastRow, bottom);
        pixels += bottom - top + 1;
    };
    // A step between two columns adds to each column it crosses the rows it passes there,
    // from half a column before to half a column after (its ends on its end points). Every
    // such run touches the run of its column, as a step begins and ends on a column's end
    // point, so each column keeps a single run.
    const auto addStep = [&](QPoint p, QPoint q) {
        if (q.x() < p.x())
            std::swap(p, q);
        const int dx = q.x() - p.x();
        if (dx == 0) {
            addRun(p.x(), p.y(), q.y());
            return;
        }
        const double slope = static_cast<double>(q.y() - p.y()) / dx;
        const auto rowAt = [&](double x) {
            const double along = std::clamp(x, double(p.x()), double(q.x())) - p.x();
            return static_cast<int>(std::lround(p.y() + slope * along));
        };
        for (int x = std::max(p.x(), area.left()); x <= std::min(q.x(), area.right()); ++x)
            addRun(x, rowAt(x - 0.5), rowAt(x + 0.5));
    };
    QPoint previous;
    for (int i = 0; i < count;) {
        // One column: one point, or two joined by its run.
        const QPoint first = points[i];
        const bool run = i + 1 < count && points[i + 1].x() == first.x();
        const QPoint last = run ? points[i + 1] : first;
        addRun(first.x(), first.y(), last.y());
        if (i > 0)
            addStep(previous, first);
        previous = last;
        i += run ? 2 : 1;
    }
    // The painter detached the image when it began on it: bits() does not copy it.
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    if (pixels * 4 < std::int64_t{lastRow - firstRow + 1} * static_cast<std::int64_t>(width)) {
        // Few pixels (a sparse or flat curve): column by column costs less than every row.
        for (std::size_t x = 0; x < width; ++x) {
            if (tops[x] > bottoms[x])
                continue;
            auto* pixel = bits + tops[x] * stride + (left + static_cast<qsizetype>(x)) * 4;
            for (int y = tops[x]; y <= bottoms[x]; ++y, pixel += stride)
                *reinterpret_cast<QRgb*>(pixel) = color;
        }
        return;
    }
    RunRows rows{bits + qsizetype(left) * 4,
                 stride,
                 tops.data(),
                 bottoms.data(),
                 width,
                 firstRow,
                 lastRow,
                 static_cast<std::int32_t>(color)};
#ifdef GRAFYON_RUNS_AVX2
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) {
        FillRowsAvx2(rows);
        return;
    }
#endif
    FillRowsSse(rows);
}

}  // namespace grafyon
