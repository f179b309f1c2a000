#pragma once

// The rule that fits a control's widget to its text. The program places and
// sizes its controls in twips for fonts other than ours; the widget shows
// the control in the rectangle those twips give it wherever the text fits,
// and where it does not:
//
// - a label, command button, option button or check box grows to its text
//   (a label away from the side its text is aligned to and downwards, a
//   button about its middle, an option or check button to the right);
// - a one-line text box is as tall as its font needs, its text level with
//   the label it stands beside or over (else in the middle of its
//   rectangle), and as wide as a text the program put there needs, about its
//   middle; over a caption it covers the caption's whole number and nothing
//   else, and it keeps clear of the words beside it;
// - every control stays inside its frame or picture (inside the border and
//   below a frame's caption): what reaches past the edge is cut off, and a
//   control that grew past it moves back in;
// - a text still wider than the room left is drawn condensed, down to
//   kMinStretch percent, so that every character shows.

#include <QFont>
#include <QRect>
#include <QSize>
#include <span>

class QGroupBox;
class QWidget;

inline constexpr int kMinStretch = 80;

// The room a container leaves its controls, in the container's own pixels:
// inside a frame's border and below its caption, inside a picture's border;
// the whole area of any other widget.
QRect InnerArea(const QWidget& container);

// Where a group box draws its title band, in the box's own pixels.
QRect GroupBoxTitleRect(const QGroupBox& box);

// The size of a text of one or more lines in a font, laid out one line
// under the other as a label or an edit box lays it out.
QSize LinesSize(const QFont& font, const QString& text);

// Where a label draws its text, in its parent's pixels; an empty rectangle
// for another widget or a label without text.
QRect LabelTextRect(const QWidget& label);

struct FitRequest {
  QRect given;                      // the control's rectangle from its twips, parent's pixels
  QFont font;                       // the font the program gave the control
  bool programText = true;          // a text box's text was put there by the program, not typed
  std::span<QWidget* const> labelsBeside;  // the labels on show beside a text box
};

// Places the widget by the rule, and gives a label or button its font,
// condensed where the text needs it.
void FitToText(QWidget& widget, const FitRequest& request);

// The widest stretch (percent) at which `text` in `font` fits `room` pixels:
// 100 when it fits as it is, or when not even kMinStretch makes it fit.
int StretchToFit(const QFont& font, const QString& text, double room);
