#pragma once
// The file-name patterns with which the folder patrol and the sub-folder search pick image files.
#include <QStringView>

namespace velmora {

// 46 patterns separated by ";", matched against file names without regard to letter case.
inline constexpr char16_t ImageFilePattern[] =
    u"*.BMP;*.WMF;*.RLE;*.JPG;*.JPE;*.JPEG;*.TIF;*.TIFF;*.MPT;*.TGA;*.PNG;*.PSD;*.PCX;*.DCX;*.EPS;*.MAC;"
    u"*.IMG;*.MSP;*.WPG;*.RAS;*.PCT;*.PCD;*.FPX;*.CMP;*.GIF;*.AFP;*.CUT;*.FLC;*.IFF;*.PBM;*.PTOCA;*.SCT;"
    u"*.SGI;*.CLP;*.EMF;*.WBMP;*.XWD;*.XPM;*.ITG;*.SMP;*.XBM;*.WEBP;*.HEIC;*.HEIF;*.AVIF;*.JXL";

// True when the file name matches one of the patterns of ImageFilePattern, letter case ignored.
// Safe on any thread.
bool MatchesImageFilePattern(QStringView name);

} // namespace velmora
