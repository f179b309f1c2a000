#pragma once

#include <QFont>
#include <QLineEdit>

// The widget of a single-line text box, drawn as a classic edit box: a thin
// border (or none), the text one pixel inside it at the top, the background
// the palette's Base. The program sizes many boxes to their text (so many
// twips a character); a text a little wider than the room inside is drawn
// condensed, down to kMinStretch percent, so that every character shows.
class ClassicLineEdit : public QLineEdit {
 public:
  static constexpr int kMinStretch = 80;

  explicit ClassicLineEdit(QWidget* parent);

  void SetBorder(bool on);
  bool HasBorder() const { return border_; }
  // The width in percent at which the text is drawn (100: as the font is).
  int TextStretch() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void FitText();

  QFont base_;  // the font the control gave the box
  bool border_ = true;
  bool fitting_ = false;
};
