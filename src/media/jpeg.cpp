#include "media/jpeg.h"
#include "platform/trace.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

// jpeglib.h needs FILE and size_t declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace flumo {
namespace {

// libjpeg's fatal errors leave through error_exit, which longjmps back to the
// setjmp in the stage that called libjpeg. Those stages are plain functions
// whose frames hold no C++ objects with destructors; all state lives in a
// job struct owned by the C++ caller, so nothing is skipped by the jump.
struct ErrorManager {
    jpeg_error_mgr pub;          // first member: libjpeg casts to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;              // saw "premature end of JPEG file"
};

extern "C" void onErrorExit(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings are counted but never printed; a file that ends early is
// remembered so the caller can refuse a half-grey picture.
extern "C" void onEmitMessage(j_common_ptr cinfo, int level)
{
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    if (level < 0) {
        ++cinfo->err->num_warnings;
        if (cinfo->err->msg_code == JWRN_JPEG_EOF)
            err->truncated = true;
    }
}

extern "C" void onOutputMessage(j_common_ptr) {}

void installErrorManager(ErrorManager &err)
{
    jpeg_std_error(&err.pub);
    err.pub.error_exit = onErrorExit;
    err.pub.emit_message = onEmitMessage;
    err.pub.output_message = onOutputMessage;
    err.message[0] = '\0';
    err.truncated = false;
}

// Progressive pictures keep every coefficient in memory; beyond this libjpeg
// reports an error instead of allocating.
constexpr long kMaxDecoderMemory = 768L * 1024 * 1024;

enum class HeaderResult { Ok, Failed, TooLarge, Unsupported };

struct DecodeJob {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    bool created;
    const unsigned char *data;
    unsigned long size;
    int width;
    int height;
};

// Stage 1: header and start of decompression. Returns the output size in job.
HeaderResult decodeHeader(DecodeJob *job)
{
    job->cinfo.err = &job->err.pub;
    if (setjmp(job->err.jump))
        return HeaderResult::Failed;
    jpeg_create_decompress(&job->cinfo);
    job->created = true;
    job->cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_mem_src(&job->cinfo, job->data, job->size);
    jpeg_read_header(&job->cinfo, TRUE);

    if (job->cinfo.image_width > unsigned(kMaxPictureSide)
        || job->cinfo.image_height > unsigned(kMaxPictureSide))
        return HeaderResult::TooLarge;
    switch (job->cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
        // Straight into the QImage's RGB32 words (0xffRRGGBB in memory
        // order), grey replicated: no row copy and no second conversion.
        job->cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
        break;
    default:
        return HeaderResult::Unsupported;
    }
    jpeg_start_decompress(&job->cinfo);
    job->width = int(job->cinfo.output_width);
    job->height = int(job->cinfo.output_height);
    return HeaderResult::Ok;
}

// Stage 2: all scanlines straight into the caller's image rows; rows holds
// one pointer per output line.
bool decodeRows(DecodeJob *job, JSAMPROW *rows)
{
    if (setjmp(job->err.jump))
        return false;
    while (job->cinfo.output_scanline < job->cinfo.output_height) {
        const JDIMENSION at = job->cinfo.output_scanline;
        if (jpeg_read_scanlines(&job->cinfo, rows + at, job->cinfo.output_height - at) == 0)
            return false;
    }
    jpeg_finish_decompress(&job->cinfo);
    return true;
}

void destroyDecoder(DecodeJob *job)
{
    if (job->created)
        jpeg_destroy_decompress(&job->cinfo);
    job->created = false;
}

struct EncodeJob {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    bool created;
    const unsigned char *pixels; // RGB888 rows
    long bytesPerLine;
    int width;
    int height;
    int quality;
    unsigned char *out;          // malloc'ed by libjpeg, freed by the caller
    unsigned long outSize;
};

bool encodeRows(EncodeJob *job)
{
    job->cinfo.err = &job->err.pub;
    if (setjmp(job->err.jump))
        return false;
    jpeg_create_compress(&job->cinfo);
    job->created = true;
    jpeg_mem_dest(&job->cinfo, &job->out, &job->outSize);
    job->cinfo.image_width = JDIMENSION(job->width);
    job->cinfo.image_height = JDIMENSION(job->height);
    job->cinfo.input_components = 3;
    job->cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&job->cinfo);
    jpeg_set_quality(&job->cinfo, job->quality, TRUE);
    // Huffman tables fitted to the picture: some 10 % smaller, still baseline.
    job->cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&job->cinfo, TRUE);
    while (job->cinfo.next_scanline < job->cinfo.image_height) {
        JSAMPROW row[1] = { const_cast<unsigned char *>(job->pixels + long(job->cinfo.next_scanline) * job->bytesPerLine) };
        jpeg_write_scanlines(&job->cinfo, row, 1);
    }
    jpeg_finish_compress(&job->cinfo);
    return true;
}

void destroyEncoder(EncodeJob *job)
{
    if (job->created)
        jpeg_destroy_compress(&job->cinfo);
    job->created = false;
}

QImage failDecode(QString *error, const QString &reason, const char *detail)
{
    trace("jpeg-error", {{"reason", QString::fromLatin1(detail)}});
    if (error)
        *error = reason;
    return QImage();
}

} // namespace

QImage decodeJpeg(const QByteArray &data, QString *error)
{
    if (data.isEmpty())
        return failDecode(error, QStringLiteral("prázdný soubor"), "empty");

    // The job is large and holds libjpeg's C structs only; the heap keeps the
    // stages' frames small.
    auto job = std::make_unique<DecodeJob>();
    std::memset(job.get(), 0, sizeof(DecodeJob));
    installErrorManager(job->err);
    job->data = reinterpret_cast<const unsigned char *>(data.constData());
    job->size = static_cast<unsigned long>(data.size());

    const HeaderResult header = decodeHeader(job.get());
    if (header != HeaderResult::Ok) {
        const QString size = QStringLiteral("%1 × %2").arg(job->cinfo.image_width).arg(job->cinfo.image_height);
        const char *detail = job->err.message[0] ? job->err.message : "header";
        destroyDecoder(job.get());
        switch (header) {
        case HeaderResult::TooLarge:
            return failDecode(error, QStringLiteral("příliš velký obrázek (%1)").arg(size), "too large");
        case HeaderResult::Unsupported:
            return failDecode(error, QStringLiteral("nepodporované barvy JPEG"), "colour space");
        default:
            return failDecode(error, QStringLiteral("poškozená data JPEG"), detail);
        }
    }

    QImage image(job->width, job->height, QImage::Format_RGB32);
    if (image.isNull()) {
        destroyDecoder(job.get());
        return failDecode(error, QStringLiteral("nedostatek paměti"), "allocation");
    }
    std::vector<JSAMPROW> rows(size_t(job->height));
    for (int y = 0; y < job->height; ++y)
        rows[size_t(y)] = image.scanLine(y);
    const bool ok = decodeRows(job.get(), rows.data());
    const bool truncated = job->err.truncated;
    const QByteArray detail(job->err.message[0] ? job->err.message : "premature end of JPEG file");
    destroyDecoder(job.get());
    if (!ok)
        return failDecode(error, QStringLiteral("poškozená data JPEG"), detail.constData());
    if (truncated)
        return failDecode(error, QStringLiteral("neúplná data JPEG"), detail.constData());
    if (error)
        error->clear();
    return image;
}

QByteArray encodeJpeg(const QImage &image, int quality)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    auto job = std::make_unique<EncodeJob>();
    std::memset(job.get(), 0, sizeof(EncodeJob));
    installErrorManager(job->err);
    job->pixels = rgb.constBits();
    job->bytesPerLine = rgb.bytesPerLine();
    job->width = rgb.width();
    job->height = rgb.height();
    job->quality = std::clamp(quality, 1, 100);

    const bool ok = encodeRows(job.get());
    destroyEncoder(job.get());
    if (!ok)
        return {}; // job->out may already be stale after a failed grow; never freed here
    QByteArray out(reinterpret_cast<const char *>(job->out), qsizetype(job->outSize));
    std::free(job->out);
    return out;
}

} // namespace flumo
