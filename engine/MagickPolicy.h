#pragma once
// What GraphicsMagick may do while it decodes a picture from anywhere: no program runs, no URL is
// fetched, no file but its own temporaries is opened, and no coder that interprets content is there.
#include <QByteArray>

#include <magick/api.h>

namespace velmora {

// The confirm-access handler. GraphicsMagick asks it before it runs a program, fetches a URL or opens
// a file by name. A picture needs none of that but reading back the temporary files GraphicsMagick's
// own coders write (CALS is read through a TIFF written to one), so everything else is refused: no
// delegate (Ghostscript for PostScript inside a WordPerfect picture, say) starts, and no picture
// pulls in other files.
MagickPassFail ConfirmMagickAccess(ConfirmAccessMode mode, const char* path, ExceptionInfo* exception);

// Coders that interpret programs (PostScript and PDF through Ghostscript), follow drawing scripts
// that may name other files or URLs (SVG, MVG, MSL), draw text, or fetch files and URLs. The kind
// table has none of these formats; they are unregistered because WordPerfect pictures and metafiles
// hand embedded data to GraphicsMagick's own format detection, whatever coder was asked for.
// (Raising MAGICK_CODER_STABILITY would not help: these coders count as stable, while formats users
// have, such as RLE and XWD, do not.)
inline constexpr const char* UnwantedMagickCoders[] = {
    "PS",  "EPS", "EPSF", "EPSI", "EPI",     "EPT",   "EPT2", "EPT3", "EPDF", "PDF", "SVG", "SVGZ",
    "MVG", "MSL", "TXT",  "TEXT", "CAPTION", "LABEL", "HTTP", "FTP",  "FILE", "URL", "MPC", "X",
};

// Coders that can end in libtiff: CALS is read through a TIFF, and WordPerfect pictures and metafiles
// hand embedded pictures (TIFF among them) to GraphicsMagick's readers. Only their decodes hold the
// TIFF handlers alone (TiffHandlerGuard); the other coders never reach libtiff and wait for no lock.
bool MagickCoderMayReachLibtiff(const QByteArray& coder);

} // namespace velmora
