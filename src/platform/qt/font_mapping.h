#pragma once

#include <QFont>
#include <QString>
#include <string>

// The family that draws a font name the program uses: "Arial" and
// "Microsoft Sans Serif" are drawn with Liberation Sans, "Courier" and
// "Courier New" with Liberation Mono (metric-compatible); other names pass.
QString MappedFontFamily(const std::string& name);

// A font of the given name, size in points and style, with the family mapped.
QFont MakeDrawingFont(const std::string& name, double points, bool bold, bool italic);
