#include "engine/JpegReader.h"

#include "engine/DecodeFailure.h"
#include "engine/ImageDecoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

// jpeglib.h must come after cstdio; jerror.h gives the warning codes treated as fatal.
#include <jerror.h>

namespace velmora {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void failAndJump(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings about missing data mean the picture would be silently grey-filled: treat them as errors.
void warnOrFail(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    const int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC)
        failAndJump(info);
}

} // namespace

struct JpegReader::State {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    QString path;
    bool started = false;
};

namespace {

// Each call into libjpeg sits in a function of its own that holds no C++ object, so the longjmp
// out of an error skips no destructor.
bool readHeader(jpeg_decompress_struct* info, ErrorManager* errors, const QByteArray* bytes)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes->constData()),
                 static_cast<unsigned long>(bytes->size()));
    jpeg_read_header(info, TRUE);
    return true;
}

bool startDecompress(jpeg_decompress_struct* info, ErrorManager* errors, unsigned eighths, J_COLOR_SPACE out)
{
    if (setjmp(errors->jump))
        return false;
    info->scale_num = eighths;
    info->scale_denom = 8;
    info->out_color_space = out;
    jpeg_start_decompress(info);
    return true;
}

bool cropColumns(jpeg_decompress_struct* info, ErrorManager* errors, JDIMENSION* left, JDIMENSION* width)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_crop_scanline(info, left, width);
    return true;
}

bool skipRows(jpeg_decompress_struct* info, ErrorManager* errors, JDIMENSION rows)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_skip_scanlines(info, rows);
    return true;
}

// The number of rows read (0 past the end), or -1 on an error.
int readOneRow(jpeg_decompress_struct* info, ErrorManager* errors, unsigned char* line)
{
    if (setjmp(errors->jump))
        return -1;
    JSAMPROW row = line;
    return int(jpeg_read_scanlines(info, &row, 1));
}

bool finishDecompress(jpeg_decompress_struct* info, ErrorManager* errors)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_finish_decompress(info);
    return true;
}

// True when the compressed data from `data` on reaches a marker (the end of the image) before it
// ends. libjpeg stops reading when the last rows are skipped, so a file cut short there would
// otherwise pass unnoticed.
bool reachesMarker(const unsigned char* data, size_t size)
{
    const unsigned char* end = data + size;
    while (data < end) {
        const auto* mark = static_cast<const unsigned char*>(std::memchr(data, 0xff, size_t(end - data)));
        if (!mark)
            return false;
        const unsigned char* next = mark + 1;
        while (next < end && *next == 0xff) // fill bytes
            ++next;
        if (next == end)
            return false;
        if (*next != 0x00 && (*next < 0xd0 || *next > 0xd7)) // not stuffing, not a restart marker
            return true;
        data = next + 1;
    }
    return false;
}

} // namespace

JpegReader::JpegReader(const QByteArray& bytes, const QString& path)
    : m_state(std::make_unique<State>())
{
    jpeg_decompress_struct& info = m_state->info;
    m_state->path = path;
    info.err = jpeg_std_error(&m_state->errors.base);
    m_state->errors.base.error_exit = failAndJump;
    m_state->errors.base.emit_message = warnOrFail;
    jpeg_create_decompress(&info);
    // Progressive files keep every coefficient in memory: cap libjpeg's own allocations too.
    info.mem->max_memory_to_use = static_cast<long>(MaxDecodedPixels * 4);
    if (!readHeader(&info, &m_state->errors, &bytes)) {
        // A constructor that throws runs no destructor.
        const QString message = QString::fromLatin1(m_state->errors.message);
        jpeg_destroy_decompress(&info);
        throw CorruptImage(path, message);
    }
}

JpegReader::~JpegReader()
{
    jpeg_destroy_decompress(&m_state->info);
}

QSize JpegReader::size() const
{
    const auto side = [](JDIMENSION value) { return static_cast<int>(std::min<JDIMENSION>(value, 1u << 30)); };
    return QSize(side(m_state->info.image_width), side(m_state->info.image_height));
}

JpegReader::Colours JpegReader::colours() const
{
    switch (m_state->info.jpeg_color_space) {
    case JCS_GRAYSCALE: return Colours::Grey;
    case JCS_CMYK:
    case JCS_YCCK: return Colours::Cmyk;
    default: return Colours::Colour;
    }
}

void JpegReader::start(int eighths, Output output)
{
    J_COLOR_SPACE out = JCS_EXT_BGRX; // the byte order of RGB32 on little-endian hosts
    if (colours() == Colours::Cmyk)
        out = JCS_CMYK;
    else if (colours() == Colours::Grey && output == Output::Native)
        out = JCS_GRAYSCALE;
    if (!startDecompress(&m_state->info, &m_state->errors, unsigned(std::clamp(eighths, 1, 8)), out))
        throw CorruptImage(m_state->path, QString::fromLatin1(m_state->errors.message));
    m_state->started = true;
}

QSize JpegReader::outputSize() const
{
    return QSize(int(m_state->info.output_width), int(m_state->info.output_height));
}

int JpegReader::restrictColumns(int left, int& width)
{
    jpeg_decompress_struct& info = m_state->info;
    if (left <= 0 && width >= int(info.output_width)) {
        width = int(info.output_width);
        return 0;
    }
    JDIMENSION first = JDIMENSION(std::max(0, left));
    JDIMENSION count = JDIMENSION(std::max(1, width));
    if (!cropColumns(&info, &m_state->errors, &first, &count))
        throw CorruptImage(m_state->path, QString::fromLatin1(m_state->errors.message));
    width = int(count);
    return int(first);
}

qsizetype JpegReader::rowBytes() const
{
    return qsizetype(m_state->info.output_width) * m_state->info.out_color_components;
}

int JpegReader::nextRow() const
{
    return int(m_state->info.output_scanline);
}

void JpegReader::skipTo(int row)
{
    jpeg_decompress_struct& info = m_state->info;
    if (row <= int(info.output_scanline))
        return;
    if (!skipRows(&info, &m_state->errors, JDIMENSION(row) - info.output_scanline))
        throw CorruptImage(m_state->path, QString::fromLatin1(m_state->errors.message));
}

void JpegReader::readRow(unsigned char* line)
{
    const int read = readOneRow(&m_state->info, &m_state->errors, line);
    if (read < 0)
        throw CorruptImage(m_state->path, QString::fromLatin1(m_state->errors.message));
    if (read == 0) // a non-suspending source delivers a row at every call until the last one
        throw CorruptImage(m_state->path, QString::fromLatin1("no row left to read"));
}

void JpegReader::finish()
{
    jpeg_decompress_struct& info = m_state->info;
    if (info.output_scanline < info.output_height) {
        const unsigned char* rest = info.src->next_input_byte;
        const size_t restSize = info.src->bytes_in_buffer;
        // Files of several scans were read whole when decompressing started.
        const bool readWhole = jpeg_has_multiple_scans(&info) || info.unread_marker != 0;
        skipTo(int(info.output_height));
        if (!readWhole && !reachesMarker(rest, restSize))
            throw CorruptImage(m_state->path, QString::fromLatin1("Premature end of JPEG file"));
    }
    if (!finishDecompress(&info, &m_state->errors))
        throw CorruptImage(m_state->path, QString::fromLatin1(m_state->errors.message));
}

int JpegScaleFor(QSize picture, QSize target)
{
    for (int eighths : {1, 2, 4}) {
        const QSize scaled = JpegScaledSize(picture, eighths);
        if (scaled.width() >= target.width() && scaled.height() >= target.height())
            return eighths;
    }
    return 8;
}

QSize JpegScaledSize(QSize picture, int eighths)
{
    const auto side = [eighths](int value) { return int((qint64(value) * eighths + 7) / 8); };
    return QSize(side(picture.width()), side(picture.height()));
}

} // namespace velmora
