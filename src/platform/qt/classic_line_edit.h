#pragma once

#include <QFont>
#include <QLineEdit>

// The widget of a single-line text box, drawn as a classic edit box: a thin
// border (or none), the text in the middle of its height one pixel inside
// the border, the background the palette's Base. The program sizes many
// boxes to their text (so many twips a character); a text a little wider
// than the room inside is drawn condensed (text_fit.h), so that every
// character shows.
class ClassicLineEdit : public QLineEdit {
 public:
  // Qt's line edit keeps two pixels on either side of the text inside its
  // contents; the frameless box's contents are the whole widget, so the text
  // starts one pixel inside the one-pixel border and may end one pixel
  // before the border on the right.
  static constexpr int kSideRoom = 2;

  explicit ClassicLineEdit(QWidget* parent);

  void SetBorder(bool on);
  bool HasBorder() const { return border_; }
  // The width in percent at which the text is drawn (100: as the font is).
  int TextStretch() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void changeEvent(QEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void FitText();

  QFont base_;  // the font the control gave the box
  bool border_ = true;
  bool fitting_ = false;
};
