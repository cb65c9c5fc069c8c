// Turning the stored font record into a QFont and back.
#include "viewer/settings/ui/font_conversion.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace grafyon {

namespace {

int ClampPixels(std::int64_t pixels) {
    return static_cast<int>(std::clamp<std::int64_t>(pixels, 1, FONT_PIXEL_SIZE_MAX));
}

// The pixel size whose ascent plus descent comes closest to cellHeight.
int PixelSizeForCellHeight(const QFont& font, std::int32_t cellHeight) {
    constexpr int REFERENCE = 100;
    QFont probe(font);
    probe.setPixelSize(REFERENCE);
    const qreal referenceHeight = QFontMetricsF(probe).height();
    if (referenceHeight <= 0)
        return ClampPixels(cellHeight);
    return ClampPixels(std::llround(cellHeight * REFERENCE / referenceHeight));
}

QFont::StyleHint HintForFamily(std::uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case FONT_FAMILY_ROMAN:
            return QFont::Serif;
        case FONT_FAMILY_SWISS:
            return QFont::SansSerif;
        case FONT_FAMILY_MODERN:
            return QFont::TypeWriter;
        case FONT_FAMILY_SCRIPT:
            return QFont::Cursive;
        case FONT_FAMILY_DECORATIVE:
            return QFont::Decorative;
        default:
            return QFont::AnyStyle;
    }
}

std::uint8_t FamilyForHint(QFont::StyleHint hint) {
    switch (hint) {
        case QFont::Serif:
            return FONT_FAMILY_ROMAN;
        case QFont::SansSerif:
            return FONT_FAMILY_SWISS;
        case QFont::TypeWriter:
        case QFont::Monospace:
            return FONT_FAMILY_MODERN;
        case QFont::Cursive:
            return FONT_FAMILY_SCRIPT;
        case QFont::Decorative:
        case QFont::Fantasy:
            return FONT_FAMILY_DECORATIVE;
        default:
            return FONT_FAMILY_DONTCARE;
    }
}

}  // namespace

QFont QFontFromLogFont(const LogFont& record) {
    QFont font;
    if (!record.faceName.empty())
        font.setFamily(QString::fromStdString(record.faceName));
    font.setStyleHint(HintForFamily(record.pitchAndFamily));
    if ((record.pitchAndFamily & 0x03) == FONT_PITCH_FIXED)
        font.setFixedPitch(true);

    if (record.weight > 0) {
        font.setWeight(
            static_cast<QFont::Weight>(std::clamp<std::int32_t>(record.weight, 1, 1000)));
    } else {
        font.setWeight(QFont::Normal);
    }
    font.setItalic(record.italic != 0);
    font.setUnderline(record.underline != 0);
    font.setStrikeOut(record.strikeOut != 0);
    if (record.quality == FONT_QUALITY_NONANTIALIASED) {
        font.setStyleStrategy(QFont::NoAntialias);
    } else if (record.quality >= FONT_QUALITY_ANTIALIASED) {
        font.setStyleStrategy(QFont::PreferAntialias);
    }

    if (record.height < 0) {
        font.setPixelSize(ClampPixels(-std::int64_t{record.height}));
    } else if (record.height > 0) {
        font.setPixelSize(PixelSizeForCellHeight(font, record.height));
    }

    // A width asks for characters of that average width: stretch the font to it.
    if (record.width > 0) {
        const qreal natural = QFontMetricsF(font).averageCharWidth();
        if (natural > 0) {
            const auto stretch = std::llround(record.width * 100.0 / natural);
            font.setStretch(static_cast<int>(std::clamp<long long>(stretch, 1, 4000)));
        }
    }
    return font;
}

LogFont LogFontFromQFont(const QFont& font) {
    LogFont record;
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    record.height = -std::max(pixels, 1);
    record.weight = static_cast<std::int32_t>(font.weight());
    record.italic = font.italic() ? 1 : 0;
    record.underline = font.underline() ? 1 : 0;
    record.strikeOut = font.strikeOut() ? 1 : 0;
    record.charSet = FONT_CHARSET_DEFAULT;
    if (font.styleStrategy() & QFont::NoAntialias) {
        record.quality = FONT_QUALITY_NONANTIALIASED;
    } else if (font.styleStrategy() & QFont::PreferAntialias) {
        record.quality = FONT_QUALITY_ANTIALIASED;
    } else {
        record.quality = FONT_QUALITY_DEFAULT;
    }
    const std::uint8_t pitch = font.fixedPitch() ? FONT_PITCH_FIXED : FONT_PITCH_DEFAULT;
    record.pitchAndFamily = static_cast<std::uint8_t>(FamilyForHint(font.styleHint()) | pitch);
    record.faceName = font.family().toStdString();
    return record;
}

}  // namespace grafyon
