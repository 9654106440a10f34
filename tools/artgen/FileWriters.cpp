#include "FileWriters.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <png.h>

namespace {

// Little-endian byte output, whatever the machine.
class Bytes {
public:
    void u8(unsigned v) { m_data.push_back(static_cast<char>(v & 0xff)); }
    void u16(unsigned v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xffff);
        u16(v >> 16);
    }
    void text(const char* s) { m_data.append(s); }
    const QByteArray& data() const { return m_data; }

private:
    QByteArray m_data;
};

bool writeAll(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(data) == data.size() && file.flush();
}

} // namespace

bool writeCursorFile(const QString& path, const QImage& picture, QPoint hotspot) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(w * h * 4);
    const std::uint32_t maskBytes = static_cast<std::uint32_t>(maskStride * h);
    constexpr std::uint32_t HeaderBytes = 40;
    constexpr std::uint32_t DirectoryBytes = 6 + 16;

    Bytes out;
    out.u16(0); // reserved
    out.u16(2); // a cursor, not an icon
    out.u16(1); // one picture
    out.u8(static_cast<unsigned>(w));
    out.u8(static_cast<unsigned>(h));
    out.u8(0); // no palette
    out.u8(0);
    out.u16(static_cast<unsigned>(hotspot.x()));
    out.u16(static_cast<unsigned>(hotspot.y()));
    out.u32(HeaderBytes + pixelBytes + maskBytes);
    out.u32(DirectoryBytes);

    out.u32(HeaderBytes);
    out.u32(static_cast<std::uint32_t>(w));
    out.u32(static_cast<std::uint32_t>(h * 2)); // the colour rows and the mask rows
    out.u16(1);
    out.u16(32);
    out.u32(0); // uncompressed
    out.u32(pixelBytes + maskBytes);
    for (int i = 0; i < 4; ++i)
        out.u32(0);

    for (int y = h - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.u8(static_cast<unsigned>(qBlue(row[x])));
            out.u8(static_cast<unsigned>(qGreen(row[x])));
            out.u8(static_cast<unsigned>(qRed(row[x])));
            out.u8(static_cast<unsigned>(qAlpha(row[x])));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int byte = 0; byte < maskStride; ++byte) {
            unsigned bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = byte * 8 + bit;
                // A set bit lets the screen show through: every pixel that is not fully drawn.
                if (x >= w || qAlpha(row[x]) < 128)
                    bits |= 0x80u >> bit;
            }
            out.u8(bits);
        }
    }
    return writeAll(path, out.data());
}

bool writeJpegFile(const QString& path, const QImage& picture, int quality) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB888);
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

namespace {

// libpng reports an error by jumping back to where the rows are written from.
bool writePngRows(png_structp png, png_infop info, std::FILE* file, const QImage& image) {
    if (setjmp(png_jmpbuf(png)) != 0)
        return false;
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, nullptr);
    return true;
}

} // namespace

bool writeUnfilteredPng(const QString& path, const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB888);
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const bool written = info && writePngRows(png, info, file, image);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0 && written;
}

bool writeWaveFile(const QString& path, const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    Bytes out;
    out.text("RIFF");
    out.u32(36 + dataBytes);
    out.text("WAVE");
    out.text("fmt ");
    out.u32(16);
    out.u16(1); // PCM
    out.u16(1); // mono
    out.u32(static_cast<std::uint32_t>(sampleRate));
    out.u32(static_cast<std::uint32_t>(sampleRate * 2));
    out.u16(2);
    out.u16(16);
    out.text("data");
    out.u32(dataBytes);
    for (const std::int16_t s : samples)
        out.u16(static_cast<std::uint16_t>(s));
    return writeAll(path, out.data());
}
