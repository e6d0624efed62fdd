// The file information window of a content entry.

#include "shell/form1.h"

namespace spinfolio {

void TForm1::ShowFileInfo(const std::string& /*entry*/, int /*disc*/) {}

void TForm1::ListBox2DblClick() {}

void TForm1::ListBox6DblClick() {}

void TForm1::ListBox4DblClick() {}

void TForm1::ListBox1DblClick() {}

}  // namespace spinfolio
