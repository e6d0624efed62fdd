#include "browse/jpeg_image.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace spinfolio {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

// A damaged file ends the decoding here instead of ending the program.
extern "C" void OnJpegError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(errors->jump, 1);
}

// libjpeg writes its warnings to the standard error stream by default; a photo is either shown
// or not, so they are dropped.
extern "C" void OnJpegMessage(j_common_ptr, int) {}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// The largest reduction that still leaves the picture at least as large as the box.
unsigned ScaleDenominator(JDIMENSION width, JDIMENSION height, QSize box) {
  if (box.isEmpty()) return 1;
  unsigned denominator = 1;
  while (denominator < 8 && width / (denominator * 2) >= static_cast<unsigned>(box.width()) &&
         height / (denominator * 2) >= static_cast<unsigned>(box.height())) {
    denominator *= 2;
  }
  return denominator;
}

// Decodes into image; false when libjpeg gave up. Kept free of objects with destructors, as a
// failure leaves it by a long jump.
bool Decode(std::FILE* file, QSize box, QImage& image) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnJpegError;
  errors.base.emit_message = OnJpegMessage;
  if (setjmp(errors.jump) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  info.scale_num = 1;
  info.scale_denom = ScaleDenominator(info.image_width, info.image_height, box);
  info.out_color_space = JCS_EXT_BGRX;  // the byte order of QImage::Format_RGB32
  info.dct_method = JDCT_ISLOW;
  jpeg_start_decompress(&info);
  image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB32);
  if (image.isNull()) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

QImage DecodeJpeg(const std::string& path, QSize box) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return {};
  QImage image;
  if (!Decode(file.get(), box, image)) return {};
  return image;
}

QImage LoadPhoto(const std::string& path, QSize box) {
  const QImage image = DecodeJpeg(path, box);
  if (image.isNull() || box.isEmpty()) return image;
  if (image.width() <= box.width() && image.height() <= box.height()) return image;
  return image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace spinfolio
