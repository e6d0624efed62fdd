// What the browse and category pages show when a disc or a category is picked. The lists are
// filled here as the browse view, the categories and the disc information window are built.

#include "shell/form1.h"

namespace spinfolio {

void TForm1::ComboBox1Change() {}

void TForm1::ComboBox2Change() {}

void TForm1::ListBox5Click() {}

void TForm1::ListBox7Click() {}

}  // namespace spinfolio
