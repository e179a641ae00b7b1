// SPDX-License-Identifier: MIT
#include "ui/jpegdecoder.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

// libjpeg's default handler exits the process; jump back to the decoder instead.
[[noreturn]] void escapeOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->escape, 1);
}

void ignoreMessage(j_common_ptr) {}

// The two functions that call setjmp hold only C data: a longjmp that skipped
// a C++ object's destructor would be undefined. The image, whose size is
// known only once the header is read, lives in DecodeJpeg between the two.

// Reads the header and starts decoding to RGB; on damaged data, false with
// nothing left to free.
bool startDecoding(jpeg_decompress_struct *info, ErrorManager *errors, const unsigned char *data, unsigned long size)
{
    info->err = jpeg_std_error(&errors->base);
    errors->base.error_exit = escapeOnError;
    errors->base.output_message = ignoreMessage;
    if (setjmp(errors->escape)) {
        jpeg_destroy_decompress(info);
        return false;
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, data, size);
    jpeg_read_header(info, TRUE);
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    return true;
}

// Decodes every row into pixels, which has room for them, and frees the
// decoder; false on damaged data.
bool readRows(jpeg_decompress_struct *info, ErrorManager *errors, unsigned char *pixels, std::size_t stride)
{
    if (setjmp(errors->escape)) {
        jpeg_destroy_decompress(info);
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = pixels + info->output_scanline * stride;
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray &data)
{
    if (data.isEmpty())
        return {};

    jpeg_decompress_struct info {};
    ErrorManager errors {};
    if (!startDecoding(&info, &errors, reinterpret_cast<const unsigned char *>(data.constData()),
                       static_cast<unsigned long>(data.size())))
        return {};

    QImage image(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    if (!readRows(&info, &errors, image.bits(), static_cast<std::size_t>(image.bytesPerLine())))
        return {};
    return image;
}
