// picture_generator: draws every picture of the main window into PNG files and writes the
// resource collection file that lists them.
//
//   picture_generator OUTPUT_FOLDER [--sheet CONTACT_SHEET.png]
//
// Run it with QT_QPA_PLATFORM=offscreen; it needs no display.

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "resources/drawing/canvas.h"
#include "resources/generator/contact_sheet.h"
#include "resources/generator/picture_groups.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "picture_generator: %s\n", qPrintable(message));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  QString outputFolder;
  QString sheetFile;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--sheet") && i + 1 < arguments.size()) {
      sheetFile = arguments[++i];
    } else if (outputFolder.isEmpty()) {
      outputFolder = arguments[i];
    } else {
      return Fail(QStringLiteral("unexpected argument %1").arg(arguments[i]));
    }
  }
  if (outputFolder.isEmpty()) {
    return Fail(QStringLiteral("usage: picture_generator OUTPUT_FOLDER [--sheet FILE.png]"));
  }
  QDir folder(outputFolder);
  if (!folder.mkpath(QStringLiteral(".")))
    return Fail(QStringLiteral("cannot make ") + outputFolder);

  using namespace spinfolio::generator;
  QList<NamedPicture> pictures = TitlePictures();
  pictures += ButtonPictures();
  pictures += IconStripPictures();
  pictures += DrivePictures();

  // The collection file is rewritten on every run, so the resource compiler runs again whenever
  // the pictures may have changed.
  QString collection;
  QTextStream qrc(&collection);
  qrc << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/pictures\">\n";
  for (const NamedPicture& picture : pictures) {
    const QString fileName = picture.name + QStringLiteral(".png");
    if (!picture.image.save(folder.filePath(fileName), "PNG")) {
      return Fail(QStringLiteral("cannot write ") + folder.filePath(fileName));
    }
    qrc << "  <file>" << fileName << "</file>\n";
  }
  qrc << "</qresource>\n</RCC>\n";
  qrc.flush();

  QSaveFile qrcFile(folder.filePath(QStringLiteral("spinfolio_pictures.qrc")));
  if (!qrcFile.open(QIODevice::WriteOnly) || qrcFile.write(collection.toUtf8()) < 0 ||
      !qrcFile.commit()) {
    return Fail(QStringLiteral("cannot write ") + qrcFile.fileName());
  }

  if (!sheetFile.isEmpty() && !ContactSheet(pictures).save(sheetFile, "PNG")) {
    return Fail(QStringLiteral("cannot write ") + sheetFile);
  }
  return 0;
}
