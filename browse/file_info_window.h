#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

class QFrame;
class QLabel;
class QPixmap;

namespace spinfolio {

/// The file information window of a content entry: its name, size and folder on the disc and,
/// when the disc is known, the disc's photo and description. Borderless and modal; a click
/// anywhere except on the photo and the description closes it.
class TForm3 final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 742;
  static constexpr int kClientHeight = 347;

  explicit TForm3(QWidget* parent = nullptr);

  /// Replaces the Polish texts the window is designed with by the English ones.
  void setEnglishTexts();

  /// Puts a background picture into Image2, stretched over the whole window.
  void setBackground(const QPixmap& picture);
  /// Removes Image2, so that the window shows its plain colour.
  void removeBackground();

  // Handlers.
  void FormClick();
  void Image1Click();
  void Label6Click();

  /// The photo file shown in Image1 (empty when there is none) and the description text shown
  /// in Label6 (its lines joined with CR LF), handed to the full-screen viewers.
  const std::string& photoFile() const { return photoFile_; }
  const QString& description() const { return description_; }
  void setPhoto(const std::string& file, const QPixmap& picture);
  void setDescription(const QString& text);

  // Controls, named as the program names them (also their objectName). A removed control is
  // destroyed and its member set to null.
  QWidget* Panel3;  // outer panel filling the window
  QLabel* Image2;   // background picture
  QFrame* Panel1;   // file block
  QLabel* Label1;
  QLabel* Label3;
  QLabel* Label7;
  QLabel* Label8;
  QFrame* Panel2;  // path block
  QLabel* Label2;
  QLabel* Label4;
  QFrame* Panel4;  // disc block
  QLabel* Image1;
  QLabel* Label5;
  QLabel* Label6;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::string photoFile_;
  QString description_;
  const QObject* pressedOn_ = nullptr;  // where the left button went down
};

/// The name and the folder of a content entry's path: the split lies after the last "\" or ":";
/// the folder keeps that character and is empty when there is none.
struct EntryPathParts {
  std::string name;
  std::string folder;
};
EntryPathParts SplitEntryPath(std::string_view path);

/// The four content lists that open the file information window.
enum class ContentListKind { Browse, Categories, Search, Management };

/// The disc whose block the window shows for an entry of the list, or -1 for none: the browse
/// page shows its own disc window; the categories and search pages hand over their current disc;
/// the management page its picked disc in change mode, none in add mode (the disc being read is
/// not in the catalog yet).
int FileInfoDiscFor(ContentListKind list, int categoryDisc, int searchDisc, bool changeMode,
                    int pickedDisc);

/// Where the window goes: centred horizontally on the main window and vertically on the pointer
/// (halves rounded down), not kept inside the screen.
QPoint FileInfoPosition(const QRect& mainWindow, QPoint pointer, QSize window);

/// What the file information window of one entry is built from.
struct FileInfoRequest {
  std::string entry;          // the content entry, bytes in the catalog's code page
  int disc = -1;              // the disc of the entry, or -1 for no disc block
  std::string catalogFolder;  // ends in "/"
  std::string photoFolder;    // ends in "/"
  int languageIndex = 1;      // 0 English, 1 Polish
  bool backgrounds = false;   // the backgrounds option is on: Image2 stays for its picture
  QRect mainWindow;           // the main window's frame on screen
  QPoint pointer;             // the mouse pointer on screen
};

/// Builds, fills, lays out and places the window, ready to be shown modally.
std::unique_ptr<TForm3> BuildFileInfo(const FileInfoRequest& request, QWidget* parent = nullptr);

}  // namespace spinfolio
