// The text writer's column: what it shows, its width, number format, separator and the
// three title cells, and the value ranges it stores for other tools.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "exportfilter/engine/channel_def.h"

namespace grafyon::exportfilter {

// A named value range of a column; stored, without effect on the output.
class CQuenarTextRange : public CQuenarObject {
public:
    static const QuenarClassInfo CLASS_INFO;
    static constexpr std::uint32_t VERSION = 1;

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;

    std::string text;
    double lower = 0.0;
    double upper = 0.0;
};

enum class TextColumnType { Separator = 0, Dataset = 1, LineNumber = 2, Resolution = 3 };
enum class TextSeparator { None = 0, User = 1, Space = 2, Tab = 3, VerticalLine = 4 };
enum class TextNumberFormat { Fixed = 0, Exponential = 1, Floating = 2 };
enum class TextAlignment { Left = 0, Center = 1, Right = 2 };

// One title cell of a column (name, label or unit line).
struct TextTitle {
    std::int32_t shown = 0;
    std::int32_t userDefined = 0;
    std::int32_t brackets = 0;  // the unit title only: "[" + text + "]"
    std::int32_t alignment = 0;
    std::string text;  // the user text

    TextAlignment UsedAlignment() const;
    bool operator==(const TextTitle&) const = default;
};

class CQuenarChannelDefText : public CQuenarChannelDef {
public:
    static const QuenarClassInfo CLASS_INFO;
    static constexpr std::uint32_t VERSION = 2;

    // Limits of the edited numbers.
    static constexpr int MAX_WIDTH = 100;
    static constexpr int MAX_PRECISION = 24;
    static constexpr int MAX_NUMBER_WIDTH = 25;

    CQuenarChannelDefText() = default;
    CQuenarChannelDefText(const CQuenarChannelDefText& other);
    CQuenarChannelDefText& operator=(const CQuenarChannelDefText& other);

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;
    std::unique_ptr<CQuenarChannelDef> Clone() const override;
    // Only dataset columns take a dataset.
    int TakesDataset() const override { return UsedColumnType() == TextColumnType::Dataset; }

    // The stored values as the writer uses them: a value out of its range is clamped (a
    // column type the program does not know is an empty column), and the object keeps
    // what the file held.
    TextColumnType UsedColumnType() const;
    bool IsFixedWidth() const { return widthMode <= 0; }
    int UsedWidth() const;
    TextSeparator UsedSeparator() const;
    TextNumberFormat UsedNumberFormat() const;
    int UsedPrecision() const;
    int UsedNumberWidth() const;
    bool IsLocalNotation() const { return notation <= 0; }
    TextAlignment UsedAlignment() const;

    std::int32_t columnType = 0;  // TextColumnType
    std::int32_t widthMode = 0;   // 0 fixed, 1 variable
    std::int32_t width = 16;      // characters of a fixed column
    std::int32_t separator = 2;   // TextSeparator
    std::string separatorText = ";";
    std::int32_t representation = 0;  // 0 numerical, 1 time format, 2 text: stored only
    std::int32_t numberFormat = 0;    // TextNumberFormat
    std::int32_t timeFormat = 2;      // 0 "micro sec" ... 8 "hh:mm:ss.000": stored only
    std::int32_t reserved = 0;
    std::int32_t precision = 3;
    std::int32_t numberWidth = 12;
    std::int32_t notation = 1;   // 0 local, 1 international
    std::int32_t alignment = 2;  // TextAlignment of the values
    std::vector<std::unique_ptr<CQuenarTextRange>> ranges;
    TextTitle nameTitle;
    TextTitle labelTitle;
    TextTitle unitTitle;
};

}  // namespace grafyon::exportfilter
