#include "qt/picture_file.h"

#include <QFile>
#include <QImageReader>
#include <csetjmp>
// clang-format off
#include <cstdio>  // before jpeglib.h, which uses FILE without including it
#include <jpeglib.h>
// clang-format on

namespace gs::qt {

namespace {

struct Failure {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void stop(j_common_ptr info) { std::longjmp(reinterpret_cast<Failure*>(info->err)->jump, 1); }

// A warning (a file that ends early is filled grey) stops nothing, as in Qt.
void keepQuiet(j_common_ptr, int) {}

// Reads the size of a plain colour JPEG and, given `image`, its pixels, as
// Qt's JPEG reader would. False for any other file, or when libjpeg fails:
// Qt's readers decide then, so every answer stays Qt's.
bool readPlainJpeg(const uchar* bytes, qint64 length, QSize& size, QImage* image) {
    if (length < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF) return false;
    jpeg_decompress_struct info;
    Failure failure;
    info.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = stop;
    failure.manager.emit_message = keepQuiet;
    jpeg_create_decompress(&info);
    if (setjmp(failure.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_mem_src(&info, bytes, static_cast<unsigned long>(length));
    jpeg_read_header(&info, TRUE);
    const qint64 limit = qint64(QImageReader::allocationLimit()) << 20;
    const bool plain = info.jpeg_color_space == JCS_YCbCr && info.num_components == 3 &&
                       (limit == 0 || qint64(info.image_width) * info.image_height * 4 <= limit);
    if (plain && image) {
        // Format_RGB32 is 0xffRRGGBB in the machine's byte order.
        info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
        jpeg_start_decompress(&info);
        *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
        if (image->isNull()) std::longjmp(failure.jump, 1);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = image->scanLine(int(info.output_scanline));
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
    }
    if (plain) size = QSize(int(info.image_width), int(info.image_height));
    jpeg_destroy_decompress(&info);
    return plain;
}

// A sprite is a few kilobytes; a larger file is left to Qt's readers, which
// read it piece by piece.
constexpr qint64 kMostBytesRead = qint64{16} << 20;

bool readPlainJpegFile(const QString& path, QSize& size, QImage* image) {
    // Read, not mapped: a mapped file that another program cuts short while
    // it is read would end the editor (SIGBUS).
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0 || file.size() > kMostBytesRead) return false;
    const QByteArray bytes = file.readAll();
    return readPlainJpeg(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(), size, image);
}

}  // namespace

QSize pictureFileSize(const QString& path) {
    QSize size;
    if (readPlainJpegFile(path, size, nullptr)) return size;
    size = QImageReader(path).size();
    // Formats that only tell their size once read; a file that cannot be
    // read gives a null image, whose size (0 x 0) is no picture.
    return size.isEmpty() ? QImageReader(path).read().size() : size;
}

QImage readPictureFile(const QString& path) {
    if (path.isEmpty()) return {};  // no picture: nothing to look for
    QSize size;
    QImage image;
    if (readPlainJpegFile(path, size, &image)) return image;
    return QImage(path);
}

}  // namespace gs::qt
