#pragma once
// Small path, file and number routines used all over the program.
#include <QString>
#include <QStringList>

#include <cstdint>

namespace velmora {

// The platform's path separator, added, split and tested by the routines below.
inline constexpr QChar PathSep = u'/';

// The characters after the last "." of the whole text (the dot may lie in a folder name),
// or empty text when there is none.
QString GetExtension(const QString& path);

// Cuts text at every delimiter into pieces[count], pieces[count + 1], ...; count ends past the last
// piece. The piece after the last delimiter is always stored, even when empty. Throws
// SubscriptOutOfRange when a piece falls beyond capacity (pieces may grow up to it).
void SplitText(const QString& text, QChar delimiter, QStringList& pieces, int& count, int capacity);

// The file name of a path: the text after the last separator, the whole text without one,
// empty when the path ends with a separator.
QString GetFileName(const QString& path);

// The text with a separator appended unless it already ends with one; empty text gives "/".
QString AddPathSep(const QString& path);

// True when a file or folder of that path exists (a dangling link counts as existing).
bool FileExists(const QString& path);

// True when the process could make the folder its current directory (it exists and may be entered).
bool FolderExists(const QString& path);

// The order in which file names are shown and listed: letter case ignored, then the exact text, so
// that "A.jpg" and "a.jpg" keep one fixed order. Negative, 0 or positive, as QString::compare.
int CompareFileNames(const QString& a, const QString& b);

// The part before the first NUL, or the whole text.
QString TrimAtNul(const QString& text);

// The user's pictures folder when it exists, else the home folder; empty when neither exists.
// No trailing separator.
QString GetWindowsFolder();

// A 32-bit word read as unsigned, and the factor of a high word: file sizes up to 2^64 - 1 stay exact.
inline std::uint64_t ToUnsigned(std::int32_t value)
{
    return static_cast<std::uint32_t>(value);
}
inline constexpr std::uint64_t TwoPow32()
{
    return std::uint64_t{1} << 32;
}

} // namespace velmora
