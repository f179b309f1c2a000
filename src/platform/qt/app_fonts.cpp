#include "platform/qt/app_fonts.h"

#include <QApplication>
#include <QFont>

void InstallApplicationFonts() {
  QFont::insertSubstitution("Arial", "Liberation Sans");
  QFont::insertSubstitution("Microsoft Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Courier New", "Liberation Mono");
  QFont::insertSubstitution("Courier", "Liberation Mono");
  QFont font("Liberation Sans");
  font.setPointSizeF(8.25);
  QApplication::setFont(font);
}
