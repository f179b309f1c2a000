#pragma once

// Conversions between the program's values and Qt's (platform layer only).

#include <QColor>
#include <QCursor>
#include <QString>
#include <cstdint>
#include <string>

class QWidget;

inline QString ToQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string FromQ(const QString& s) { return s.toStdString(); }

// 0x00BBGGRR (or a system colour 0x800000nn) to a colour. A system colour is
// the application's (the style's) colour for `widget`'s class, whatever
// colours the program has given the widget itself.
QColor ToQColor(int32_t colour, const QWidget* widget = nullptr);
int32_t FromQColor(const QColor& c);

// Twips per device pixel of the primary screen (15 at 96 dpi).
double TwipsPerPixelX();
double TwipsPerPixelY();
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);

// Qt's horizontal alignment of a control's Alignment (left, right, centre).
Qt::Alignment HorizontalAlignment(int alignment);

// Cursor of a mouse pointer number (default, cross, up arrow, hourglass).
Qt::CursorShape CursorShapeFor(int pointer);

// The key code numbering the program's KeyDown handlers test, from Qt's key.
int KeyCodeFromQt(int qtKey);
// The shift bits (kShiftMask, kCtrlMask, kAltMask) of Qt's modifiers.
int ShiftBitsFromQt(Qt::KeyboardModifiers m);
// The mouse button bits of Qt's buttons.
int ButtonBitsFromQt(Qt::MouseButtons b);

// Text with CR LF or lone CR line ends turned into Qt's LF.
QString ToQLines(const std::string& s);
