// Decodes a 6000 x 4000 JPEG for the 169 x 169 photo box and in full, in the same run, and
// prints both times and their ratio.
//
//   photo_bench [--runs N]

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>

#include "browse/jpeg_image.h"
#include "platform/folders.h"

namespace {

// A photo-like picture: gradients and shapes, so the JPEG is of a realistic size.
QImage LargePicture() {
  QImage image(6000, 4000, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient sky(0, 0, 0, 4000);
  sky.setColorAt(0, QColor(90, 150, 230));
  sky.setColorAt(1, QColor(40, 120, 60));
  painter.fillRect(image.rect(), sky);
  for (int i = 0; i < 400; ++i) {
    painter.setBrush(QColor((i * 37) % 256, (i * 91) % 256, (i * 53) % 256));
    painter.drawEllipse(QPoint((i * 613) % 6000, (i * 389) % 4000), 40 + i % 90, 30 + i % 70);
  }
  return image;
}

template <typename Work>
double BestMilliseconds(int runs, Work&& work) {
  double best = 1e30;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer timer;
    timer.start();
    work();
    best = std::min(best, static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 5;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::string(argv[i]) == "--runs") runs = std::stoi(argv[i + 1]);
  }
  QGuiApplication application(argc, argv);
  const std::string path = spinfolio::SystemTempFolder() + "photo_bench.jpg";
  LargePicture().save(QString::fromStdString(path), "JPG", 90);

  const double boxed = BestMilliseconds(runs, [&] {
    if (spinfolio::LoadPhoto(path, {169, 169}).isNull()) std::printf("decode failed\n");
  });
  const double full = BestMilliseconds(runs, [&] {
    if (spinfolio::DecodeJpeg(path).isNull()) std::printf("decode failed\n");
  });
  std::printf("6000 x 4000 JPEG: 169 x 169 box %.1f ms, full size %.1f ms, %.1fx faster\n", boxed,
              full, full / boxed);
  std::remove(path.c_str());
  return 0;
}
