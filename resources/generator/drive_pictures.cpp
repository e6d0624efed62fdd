// The drive pictures of the drive list, 16 × 16, shown when the icon theme has no icon for a
// drive's kind: an optical drive, a USB stick, a hard disk, a network drive, a memory module
// and a folder.

#include "resources/drawing/canvas.h"
#include "resources/generator/picture_groups.h"
#include "resources/picture_names.h"

namespace spinfolio::generator {

using namespace spinfolio::drawing;
namespace {

const QColor kCaseLight(236, 238, 242);
const QColor kCaseDark(168, 174, 186);

// A drive case lying flat, with its front edge a little darker.
void DriveCase(QPainter& p, const QRectF& box) {
  p.setPen(OutlinePen());
  p.setBrush(Vertical(box, kCaseLight, kCaseDark));
  p.drawRoundedRect(box, 1.5, 1.5);
}

void Led(QPainter& p, QPointF centre, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(centre, 1.0, 1.0);
}

void OpticalDrive(QPainter& p) {
  // The disc rides out on the tray above the case.
  DrawDisc(p, QPointF(8, 6), 5.5, DiscFinish::kSilver);
  DriveCase(p, QRectF(0.5, 8.5, 15, 6));
  p.setPen(OutlinePen(1.0, QColor(110, 116, 130)));
  p.drawLine(QPointF(2.5, 11.5), QPointF(10.5, 11.5));
  Led(p, QPointF(13, 11.5), QColor(80, 200, 90));
}

void UsbStick(QPainter& p) {
  p.save();
  p.translate(8, 8);
  p.rotate(-35);
  // The metal plug with its two holes, then the blue body.
  const QRectF plug(3.5, -2.5, 4.5, 5);
  p.setPen(OutlinePen());
  p.setBrush(Vertical(plug, QColor(245, 245, 248), QColor(170, 175, 185)));
  p.drawRect(plug);
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawRect(QRectF(5, -1.5, 1.2, 1.0));
  p.drawRect(QRectF(5, 0.5, 1.2, 1.0));
  const QRectF body(-7.5, -3.5, 11, 7);
  p.setPen(OutlinePen());
  p.setBrush(Vertical(body, QColor(110, 160, 250), QColor(30, 70, 170)));
  p.drawRoundedRect(body, 2, 2);
  Led(p, QPointF(-5, 0), QColor(255, 200, 60));
  p.restore();
}

void HardDisk(QPainter& p) {
  DriveCase(p, QRectF(0.5, 4.5, 15, 8));
  p.setPen(OutlinePen(1.0, QColor(120, 126, 140)));
  for (const qreal x : {3.5, 5.5, 7.5}) p.drawLine(QPointF(x, 7), QPointF(x, 10.5));
  Led(p, QPointF(12.5, 10), QColor(80, 200, 90));
}

void NetworkDrive(QPainter& p) {
  DriveCase(p, QRectF(0.5, 1.5, 15, 6));
  Led(p, QPointF(12.5, 5), QColor(80, 200, 90));
  // The cable down to the network.
  p.setPen(OutlinePen(1.5, QColor(60, 66, 86)));
  p.drawLine(QPointF(8, 7.5), QPointF(8, 10));
  p.drawLine(QPointF(2, 14.5), QPointF(14, 14.5));
  DrawGlobe(p, QPointF(8, 12), 3);
}

void MemoryModule(QPainter& p) {
  const QRectF board(0.5, 3.5, 15, 8);
  p.setPen(OutlinePen(1.0, QColor(20, 70, 30)));
  p.setBrush(Vertical(board, QColor(60, 160, 80), QColor(30, 110, 50)));
  p.drawRect(board);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 36));
  for (const qreal x : {2.0, 6.0, 10.0}) p.drawRect(QRectF(x, 5, 3, 4));
  // Gold contacts along the lower edge.
  p.setBrush(QColor(230, 190, 60));
  for (qreal x = 1.5; x < 15; x += 2) p.drawRect(QRectF(x, 12, 1, 2.5));
}

void Folder(QPainter& p) {
  const QPainterPath back = Polygon({{0.5, 3.5}, {5.5, 3.5}, {7, 5}, {15.5, 5}, {15.5, 13.5},
                                     {0.5, 13.5}});
  p.setPen(OutlinePen(1.0, QColor(150, 110, 20)));
  p.setBrush(QColor(230, 180, 60));
  p.drawPath(back);
  const QRectF front(0.5, 6.5, 15, 7);
  p.setBrush(Vertical(front, QColor(255, 225, 120), QColor(235, 180, 50)));
  p.drawRect(front);
}

}  // namespace

QList<NamedPicture> DrivePictures() {
  const Drawing drawings[] = {OpticalDrive, UsbStick, HardDisk, NetworkDrive, MemoryModule, Folder};
  QList<NamedPicture> pictures;
  for (int kind = 0; kind < picture_names::kDriveKinds; ++kind) {
    pictures.append({picture_names::kDrivePictures[kind], DrawnPicture(picture_names::kIconSize, drawings[kind])});
  }
  return pictures;
}

}  // namespace spinfolio::generator
