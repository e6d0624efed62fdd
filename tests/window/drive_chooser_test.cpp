// The drive chooser of the options page: which drives it offers, which one is the drive root,
// the drive kinds menu and what is stored.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "acquire/read_filter_dialog.h"
#include "common/empty_folder.h"
#include "common/file_ops.h"
#include "platform/ini_file.h"
#include "tests/window/startup_fixture.h"

namespace spinfolio::test {
namespace {

using StartResult = TForm1::StartResult;
using Roots = std::vector<std::string>;

Roots operator+(Roots first, const Roots& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// Two optical drives, a USB stick, the root disk, a network share, a RAM disk and the pseudo
// file systems every system has.
const char kMounts[] =
    "proc /proc proc rw 0 0\n"
    "/dev/sda1 / ext4 rw 0 0\n"
    "tmpfs /run tmpfs rw 0 0\n"
    "/dev/sdb /media/stick vfat rw 0 0\n"
    "server:/films /mnt/films nfs rw 0 0\n"
    "/dev/sr1 /media/cdrom iso9660 ro 0 0\n"
    "/dev/sda2 /home ext4 rw 0 0\n";

class DriveChooserTest : public StartupFixture {
 protected:
  DriveChooserTest() {
    WriteFile(drives.mountsTable, kMounts);
    for (const char* device : {"sr0", "sr1", "sda", "sdb"}) MakeFolders(drives.blockClass + "/" + device);
    WriteFile(drives.blockClass + "/sdb/removable", "1\n");
    WriteFile(drives.blockClass + "/sda/removable", "0\n");
    installPackhold();
  }

  std::unique_ptr<TForm1> start() {
    auto form = makeForm();
    EXPECT_EQ(form->FormCreate(), StartResult::Run);
    return form;
  }

  static Roots listed(const TForm1& form) {
    Roots items;
    for (int i = 0; i < form.ComboBox5->count(); ++i) {
      items.push_back(form.ComboBox5->itemText(i).toStdString());
    }
    return items;
  }

  std::string storedRoot() const {
    return IniFile(iniPath()).readString("Opcje", "Litera CD-ROM", "(none)");
  }
};

TEST_F(DriveChooserTest, StoredKindsTickTheMenuAndListTheirDrives) {
  struct Case {
    const char* stored;
    std::array<bool, 5> ticks;
    Roots drives;
  };
  const Roots optical = {"/dev/sr0", "/dev/sr1"};
  const Case cases[] = {
      {"1,1,0,0,0", {true, true, false, false, false},
       optical + Roots{"/", "/media/stick/", "/home/"}},
      {"0,0,1,1,0", {false, false, true, true, false},
       optical + Roots{"/run/", "/mnt/films/"}},
      // The old six-item default and any other count tick nothing.
      {"1,0,0,0,0,0", {}, optical},
      {"1,1,0,0", {}, optical},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    writeIni(std::string("[Opcje]\r\nDrives=") + c.stored + "\r\n");
    auto form = start();
    const QAction* items[] = {form->Napdywymienne1, form->Dyski1, form->Napdysieciowe1,
                              form->RAMdyski1, form->Inne1};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(items[i]->isChecked(), c.ticks[i]) << i;
    EXPECT_TRUE(form->NapdyCDDVD1->isChecked());
    EXPECT_FALSE(form->NapdyCDDVD1->isEnabled());
    EXPECT_EQ(listed(*form), c.drives);
    form->close();
  }
}

TEST_F(DriveChooserTest, TickingFixedDisksKeepsTheChosenDriveAndTheKindsAreStoredAtExit) {
  writeIni("[Opcje]\r\nLitera CD-ROM=/dev/sr1\r\n");
  auto form = start();
  EXPECT_EQ(listed(*form), (Roots{"/dev/sr0", "/dev/sr1"}));
  EXPECT_EQ(form->ComboBox5->currentText(), QStringLiteral("/dev/sr1"));

  form->Dyski1->trigger();
  EXPECT_EQ(listed(*form), (Roots{"/dev/sr0", "/dev/sr1", "/", "/home/"}));
  EXPECT_EQ(form->ComboBox5->currentText(), QStringLiteral("/dev/sr1"));
  EXPECT_EQ(form->driveRoot(), "/dev/sr1");
  form->close();
  EXPECT_NE(ReadFile(iniPath()).find("Drives=0,1,0,0,0\r\n"), std::string::npos);
}

TEST_F(DriveChooserTest, UntickingTheKindOfTheDriveRootTakesTheFirstDriveWithoutStoringIt) {
  writeIni("[Opcje]\r\nDrives=1,0,0,0,0\r\nLitera CD-ROM=/media/stick/\r\n");
  auto form = start();
  EXPECT_EQ(form->ComboBox5->currentText(), QStringLiteral("/media/stick/"));

  form->Napdywymienne1->trigger();
  EXPECT_FALSE(form->Napdywymienne1->isChecked());
  EXPECT_EQ(form->driveRoot(), "/dev/sr0");
  EXPECT_EQ(form->Label1->text(), QStringLiteral("/dev/sr0"));
  EXPECT_EQ(form->ComboBox5->currentIndex(), 0);
  EXPECT_EQ(storedRoot(), "/media/stick/");
  form->close();
}

TEST_F(DriveChooserTest, AStoredRootIsFoundWithoutRegardToCaseAndAGoneOneIsReplaced) {
  struct Case {
    const char* stored;
    const char* root;
  };
  const Case cases[] = {
      {"/dev/sr1", "/dev/sr1"},
      // Found without regard to case, and then named as the system names it.
      {"/DEV/SR1", "/dev/sr1"},
      {"/dev/sr7", "/dev/sr0"},
      // A bare letter from older settings names no drive here.
      {"E", "/dev/sr0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    writeIni(std::string("[Opcje]\r\nLitera CD-ROM=") + c.stored + "\r\n");
    auto form = start();
    EXPECT_EQ(form->driveRoot(), c.root);
    EXPECT_EQ(form->ComboBox5->currentText(), QString::fromLatin1(c.root));
    EXPECT_EQ(form->Label1->text(), QString::fromLatin1(c.root));
    EXPECT_EQ(storedRoot(), c.stored);
    form->close();
  }
}

TEST_F(DriveChooserTest, WithoutAnyDriveTheChooserIsEmptyAndTheRootStays) {
  WriteFile(drives.mountsTable, "proc /proc proc rw 0 0\n/dev/sda1 / ext4 rw 0 0\n");
  RemoveFolderTree(drives.blockClass);
  writeIni("[Opcje]\r\nLitera CD-ROM=/srv/discs/\r\n");
  auto form = start();
  EXPECT_EQ(form->ComboBox5->count(), 0);
  EXPECT_EQ(form->driveRoot(), "/srv/discs/");
  EXPECT_EQ(form->Label1->text(), QStringLiteral("/srv/discs/"));
  form->close();
}

TEST_F(DriveChooserTest, ChoosingADriveStoresItAtOnce) {
  auto form = start();
  form->ComboBox5->setCurrentIndex(1);
  form->ComboBox5Change();
  EXPECT_EQ(form->driveRoot(), "/dev/sr1");
  EXPECT_EQ(form->Label1->text(), QStringLiteral("/dev/sr1"));
  EXPECT_EQ(storedRoot(), "/dev/sr1");
  form->close();
}

TEST_F(DriveChooserTest, ShowingTheOptionsPageListsTheDrivesAfresh) {
  auto form = start();
  EXPECT_EQ(form->ComboBox5->count(), 2);
  WriteFile(drives.mountsTable, std::string(kMounts) + "/dev/loop0 /mnt/image iso9660 ro 0 0\n");
  form->ShowPage(Page::Options);
  EXPECT_EQ(listed(*form), (Roots{"/dev/loop0", "/dev/sr0", "/dev/sr1"}));
  form->close();
}

// Answers the read-filter dialog once it shows: ticks the filter on, adds "avi" to the read list
// and presses OK or Cancel.
void AnswerFilterDialog(bool ok) {
  QTimer::singleShot(0, [ok] {
    auto* dialog = qobject_cast<TForm10*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->RadioButton2->click();
    dialog->Edit1->setText(QStringLiteral("avi"));
    dialog->BitBtn1->click();
    (ok ? dialog->BitBtn5 : dialog->BitBtn6)->click();
  });
}

TEST_F(DriveChooserTest, TheReadFilterDialogChangesTheFilterOnlyOnOk) {
  auto form = start();
  form->show();
  AnswerFilterDialog(false);
  form->BitBtn9Click();
  EXPECT_FALSE(form->readFilter().enabled);

  AnswerFilterDialog(true);
  form->BitBtn9Click();
  EXPECT_TRUE(form->readFilter().enabled);
  EXPECT_TRUE(form->readFilter().readOnlyListed);
  EXPECT_EQ(form->readFilter().extensions, (std::vector<std::string>{"avi"}));
  form->close();
}

}  // namespace
}  // namespace spinfolio::test
