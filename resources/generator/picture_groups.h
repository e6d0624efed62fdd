#pragma once

// The pictures the generator draws, group by group.

#include <QImage>
#include <QList>
#include <QString>

namespace spinfolio::generator {

// One finished picture and the name it is stored under.
struct NamedPicture {
  QString name;
  QImage image;
};

// The pictures of each group.
QList<NamedPicture> TitlePictures();
QList<NamedPicture> ButtonPictures();
QList<NamedPicture> IconStripPictures();
QList<NamedPicture> DrivePictures();

}  // namespace spinfolio::generator
