#pragma once
// Classification of files by extension.
#include <QString>

#include <array>
#include <cstdint>

namespace velmora {

// Kind codes returned by FileKind and FileKindFixed.
namespace Kind {
inline constexpr std::int16_t Image = 0;
inline constexpr std::int16_t Icon = 1;
inline constexpr std::int16_t RichText = 2;
inline constexpr std::int16_t PlainText = 3;
inline constexpr std::int16_t Midi = 4;
inline constexpr std::int16_t Sound = 5;
inline constexpr std::int16_t Video = 6;
inline constexpr std::int16_t Gif = 7;
inline constexpr std::int16_t Html = 8;
inline constexpr std::int16_t Cursor = 9;
inline constexpr std::int16_t AnimatedCursor = 10;
inline constexpr std::int16_t Other = 99;
} // namespace Kind

struct FileKindRow {
    QString extension; // upper case
    std::int16_t code = Kind::Other;
};

// The process-wide extension table that FileKind consults: room for 151 rows, of which
// BuildFileKindTable fills rows 0 to 78.
struct FileKindTableData {
    static constexpr int Capacity = 151;
    std::array<FileKindRow, Capacity> rows;
    int lastIndex = -1;
};
extern FileKindTableData FileKindTable;

void BuildFileKindTable();

// The code of the first table row whose extension equals the upper-cased extension of path; 99 when
// none does. Requires BuildFileKindTable.
std::int16_t FileKind(const QString& path);

// The same classification by a fixed list, which differs from the table in a handful of extensions.
std::int16_t FileKindFixed(const QString& path);

} // namespace velmora
