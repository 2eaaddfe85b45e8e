#include "core/FileKinds.h"

#include "core/PathRoutines.h"

#include <initializer_list>
#include <iterator>

namespace velmora {

FileKindTableData FileKindTable;

namespace {

struct Group {
    std::int16_t code;
    std::initializer_list<const char16_t*> extensions;
};

// The table's rows in index order; grouped only to keep each code beside its extensions.
const std::initializer_list<Group> kTableRows = {
    {Kind::Image, {u"BMP", u"WMF", u"RLE", u"JPG", u"JPE", u"JPEG", u"TIF", u"TIFF", u"MPT",
                   u"PSD", u"PNG", u"PCX", u"DCX", u"EPS", u"MAC",  u"IMG", u"MSP",  u"WPG",
                   u"RAS", u"PCT", u"PCD", u"FPX", u"CMP", u"ICA",  u"FXS", u"FAX",  u"CAL"}},
    {Kind::Icon, {u"ICO"}},
    {Kind::RichText, {u"RTF"}},
    {Kind::PlainText, {u"TXT", u"INI", u"BAT", u"LOG"}},
    {Kind::Midi, {u"MID", u"RMI"}},
    {Kind::Sound, {u"WAV"}},
    {Kind::Video, {u"AVI", u"MOV", u"MPG", u"MPEG", u"QT"}},
    {Kind::Gif, {u"GIF"}},
    {Kind::Html, {u"HTM", u"HTML"}},
    {Kind::Image, {u"TGA"}},
    {Kind::Cursor, {u"CUR"}},
    {Kind::AnimatedCursor, {u"ANI"}},
    {Kind::Video, {u"MP2", u"MPA", u"MPE", u"M1V", u"ENC"}},
    {Kind::Sound, {u"AU", u"AIFF", u"AIF", u"MP3", u"WMA"}},
    {Kind::Video, {u"WMV"}},
    {Kind::Image,
     {u"AFP", u"CUT", u"FLC", u"IFF", u"PBM", u"PTOCA", u"SCT", u"SGI", u"CLP", u"EMF", u"WBMP", u"XWD",
      u"XPM", u"ITG", u"SMP", u"XBM"}},
    // Formats of today's cameras, phones and web pages.
    {Kind::Image, {u"WEBP", u"HEIC", u"HEIF", u"AVIF", u"JXL"}},
};

// The fixed classification, tested group by group in this order.
const std::initializer_list<Group> kFixedGroups = {
    {Kind::Image,
     {u"WMF",  u"BMP", u"RLE", u"JPG", u"JPE", u"JPEG",  u"TIF",  u"TIFF", u"MPT",  u"TGA",  u"PNG",
      u"PSD",  u"PCX", u"DCX", u"EPS", u"MAC", u"IMG",   u"MSP",  u"WPG",  u"RAS",  u"PCT",  u"PCD",
      u"FPX",  u"CMP", u"ICA", u"FXS", u"FAX", u"CAL",   u"AFP",  u"CIN",  u"WMZ",  u"DJVU", u"CUT",
      u"FLC",  u"IFF", u"JBG", u"PSP", u"PBM", u"PTOCA", u"SCT",  u"SGI",  u"SFF",  u"CLP",  u"EMF",
      u"WBMP", u"XWD", u"XPM", u"ITG", u"SMP", u"XBM",   u"WEBP", u"HEIC", u"HEIF", u"AVIF", u"JXL"}},
    {Kind::Icon, {u"ICO"}},
    {Kind::RichText, {u"RTF"}},
    {Kind::PlainText, {u"INI", u"TXT", u"BAT", u"LOG"}},
    {Kind::Midi, {u"RMI", u"MID"}},
    {Kind::Sound, {u"AU", u"WAV", u"AIFF", u"AIF", u"MP3", u"WMA"}},
    {Kind::Video, {u"MOV", u"AVI", u"MPG", u"MPEG", u"QT", u"WMV"}},
    {Kind::Gif, {u"GIF"}},
    {Kind::Html, {u"HTML", u"HTM"}},
    {Kind::Cursor, {u"CUR"}},
    {Kind::AnimatedCursor, {u"ANI"}},
};

// Uppercases an ASCII extension into buffer; false for a longer or a non-ASCII one.
bool UpperAsciiExtension(QStringView extension, char16_t (&buffer)[8])
{
    if (extension.size() > qsizetype(std::size(buffer)))
        return false;
    for (qsizetype i = 0; i < extension.size(); ++i) {
        const char16_t c = extension[i].unicode();
        if (c >= 0x80)
            return false;
        buffer[i] = c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c;
    }
    return true;
}

} // namespace

void BuildFileKindTable()
{
    int index = 0;
    for (const Group& group : kTableRows)
        for (const char16_t* extension : group.extensions)
            FileKindTable.rows[index++] = {QString::fromUtf16(extension), group.code};
    FileKindTable.lastIndex = index - 1;
}

std::int16_t FileKind(const QString& path)
{
    const auto kindOf = [](QStringView extension) {
        for (int i = 0; i <= FileKindTable.lastIndex; ++i)
            if (FileKindTable.rows[i].extension == extension)
                return FileKindTable.rows[i].code;
        return std::int16_t(Kind::Other);
    };
    // A folder of 100,000 pictures asks once per name: an ASCII extension is uppercased on the
    // stack, without the two strings the general way makes.
    const qsizetype dot = path.lastIndexOf(u'.');
    const QStringView tail = dot < 0 ? QStringView() : QStringView(path).mid(dot + 1);
    char16_t buffer[8];
    if (UpperAsciiExtension(tail, buffer))
        return kindOf(QStringView(buffer, tail.size()));
    return kindOf(GetExtension(path).toUpper());
}

std::int16_t FileKindFixed(const QString& path)
{
    const QString extension = GetExtension(path).toUpper();
    for (const Group& group : kFixedGroups)
        for (const char16_t* candidate : group.extensions)
            if (extension == QStringView(candidate))
                return group.code;
    return Kind::Other;
}

} // namespace velmora
