#pragma once

#include <QString>

namespace spinfolio {

/// Gives a new control the name the program knows it by, as its objectName, and hands it back.
template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace spinfolio
