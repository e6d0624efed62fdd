// The browse page and the display options of the content lists.

#include <QAction>
#include <QComboBox>
#include <QListView>

#include "tests/window/startup_fixture.h"

namespace spinfolio::test {
namespace {

using StartResult = TForm1::StartResult;

class BrowseTest : public StartupFixture {
 protected:
  std::unique_ptr<TForm1> startWithDiscs() {
    installPackhold();
    provideCatalog({{"plyty", "<n>A</n>\r\n<f><n>B</n>\r\n"},
                    {"cd0", "<n>a.txt</n><r>1.00 KB</r>\r\n<n>Docs\\b.avi</n>\r\n"}});
    auto form = makeForm();
    EXPECT_EQ(form->FormCreate(), StartResult::Run);
    form->show();
    return form;
  }
};

TEST_F(BrowseTest, PickingADiscShowsItsContentList) {
  auto form = startWithDiscs();
  form->ComboBox1->setCurrentIndex(0);
  form->ComboBox1Change();
  ASSERT_EQ(form->ListBox2->model()->rowCount(), 2);
  EXPECT_EQ(form->ListBox2->model()->index(1, 0).data().toString(),
            QStringLiteral("<n>Docs\\b.avi</n>"));
  // A disc whose content list file is missing shows an empty list.
  form->ComboBox1->setCurrentIndex(1);
  form->ComboBox1Change();
  EXPECT_EQ(form->ListBox2->model()->rowCount(), 0);
  // No disc picked: nothing happens.
  form->ComboBox1->setCurrentIndex(0);
  form->ComboBox1Change();
  form->ComboBox1->setCurrentIndex(-1);
  form->ComboBox1Change();
  EXPECT_EQ(form->ListBox2->model()->rowCount(), 2);
  form->close();
}

TEST_F(BrowseTest, DisplayOptionsBelongToTheListOfTheVisiblePage) {
  auto form = startWithDiscs();
  // Unticking the paths on the browse page changes only the browse list.
  form->PopupMenu2Popup();
  EXPECT_TRUE(form->Tylkonazwapliku1->isChecked());
  EXPECT_TRUE(form->Wywietlrozmiaryplikw1->isChecked());
  form->Tylkonazwapliku1->trigger();
  EXPECT_EQ(form->displayFlags(), (DisplayFlags{2, 0, 0, 0}));

  form->ShowPage(Page::Search);
  form->PopupMenu2Popup();
  EXPECT_TRUE(form->Tylkonazwapliku1->isChecked());
  form->Wywietlrozmiaryplikw1->trigger();
  EXPECT_EQ(form->displayFlags(), (DisplayFlags{2, 0, 1, 0}));

  form->ShowPage(Page::Browse);
  form->PopupMenu2Popup();
  EXPECT_FALSE(form->Tylkonazwapliku1->isChecked());
  EXPECT_TRUE(form->Wywietlrozmiaryplikw1->isChecked());
  form->Tylkonazwapliku1->trigger();
  EXPECT_EQ(form->displayFlags(), (DisplayFlags{0, 0, 1, 0}));

  form->close();
  EXPECT_NE(ReadFile(iniPath()).find("WList=0,0,1,0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace spinfolio::test
