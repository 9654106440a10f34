#include "JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <string>

namespace {

// libjpeg reports errors by calling error_exit, which by default ends the process. Ours jumps
// back to the decoder instead, keeping libjpeg's message.
struct ErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX]{};
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->base.format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// A warning means the data is damaged (a truncated file, a corrupt segment); libjpeg would fill in
// grey and carry on, but a damaged picture is a failure here.
void warningIsFailure(j_common_ptr info, int level) {
    if (level < 0)
        jumpBack(info);
}

// The decompressor and its error manager, destroyed however decoding ends.
struct Session {
    ErrorManager errors;
    jpeg_decompress_struct info{};
    bool created = false;

    Session() {
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = jumpBack;
        errors.base.emit_message = warningIsFailure;
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session() {
        if (created)
            jpeg_destroy_decompress(&info);
    }
};

// Every libjpeg call lives in this function, which owns no objects of its own, so a jump back
// out of libjpeg skips no destructors. Returns false when libjpeg reported an error.
bool decodeInto(Session& s, std::span<const std::uint8_t> bytes, JpegImage& out) {
    if (setjmp(s.errors.jump) != 0)
        return false;
    jpeg_create_decompress(&s.info);
    s.created = true;
    jpeg_mem_src(&s.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&s.info, TRUE);
    if (s.info.image_width > JpegMaxSide || s.info.image_height > JpegMaxSide) {
        std::snprintf(s.errors.message, sizeof s.errors.message, "picture of %u x %u is too large",
                      s.info.image_width, s.info.image_height);
        return false;
    }
    s.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&s.info);
    out.width = static_cast<int>(s.info.output_width);
    out.height = static_cast<int>(s.info.output_height);
    const std::size_t stride = static_cast<std::size_t>(out.width) * 3;
    out.rgb.resize(stride * static_cast<std::size_t>(out.height));
    while (s.info.output_scanline < s.info.output_height) {
        JSAMPROW row = out.rgb.data() + stride * s.info.output_scanline;
        jpeg_read_scanlines(&s.info, &row, 1);
    }
    jpeg_finish_decompress(&s.info);
    return true;
}

} // namespace

JpegImage decodeJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.empty())
        throw JpegError("no JPEG data");
    Session session;
    JpegImage image;
    if (!decodeInto(session, bytes, image))
        throw JpegError(std::string("JPEG cannot be decoded: ") + session.errors.message);
    return image;
}
