#include "platform/ui/text_box.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include "platform/qt/classic_line_edit.h"
#include "platform/qt/qt_convert.h"
#include "platform/ui/form.h"

namespace {
// Qt's LF line ends back to CR LF.
std::string WithCrLf(const QString& q) {
  QString s = q;
  s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return FromQ(s);
}
}  // namespace

TextBox::TextBox(Form& form, Control* container, std::string name, int index, bool multiLine)
    : Control(form, container, ControlKind::TextBox, std::move(name), index), multiLine_(multiLine) {
  if (multiLine) {
    multi_ = new QPlainTextEdit(ParentWidget());
    AttachWidget(multi_);
    QObject::connect(multi_, &QPlainTextEdit::textChanged, multi_, [this] {
      if (!showing_) UserEdited(WithCrLf(multi_->toPlainText()));
    });
  } else {
    line_ = new ClassicLineEdit(ParentWidget());
    AttachWidget(line_);
    QObject::connect(line_, &QLineEdit::textChanged, line_, [this](const QString& t) {
      if (!showing_) UserEdited(FromQ(t));
    });
  }
}

void TextBox::ShowText() {
  showing_ = true;
  // Text set by code shows from its start (the caret before the first
  // character), so a box narrower than its text shows the beginning.
  if (line_) {
    line_->setText(ToQ(text_));
    line_->setCursorPosition(0);
  }
  if (multi_) multi_->setPlainText(ToQLines(text_));
  showing_ = false;
  GeometryChanged();
}

void TextBox::SetText(const std::string& text) {
  typed_ = false;
  if (text == text_) return;
  text_ = text;
  ShowText();
  RaiseChange();
}

void TextBox::UserEdited(const std::string& text) {
  if (text == text_) return;
  typed_ = true;
  text_ = text;
  RaiseChange();
}

void TextBox::SetLocked(bool on) {
  locked_ = on;
  if (line_) line_->setReadOnly(on);
  if (multi_) multi_->setReadOnly(on);
}

int TextBox::SelStart() const {
  if (line_) return line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
  return multi_->textCursor().selectionStart();
}

void TextBox::SetSelStart(int pos) {
  const int p = std::clamp(pos, 0, static_cast<int>(ToQ(text_).size()));
  if (line_) line_->setCursorPosition(p);
  if (multi_) {
    QTextCursor c = multi_->textCursor();
    c.setPosition(p);
    multi_->setTextCursor(c);
  }
}

int TextBox::SelLength() const {
  if (line_) return static_cast<int>(line_->selectedText().size());
  const QTextCursor c = multi_->textCursor();
  return c.selectionEnd() - c.selectionStart();
}

void TextBox::SetSelLength(int length) {
  const int start = SelStart();
  const int end = std::clamp(start + std::max(0, length), 0, static_cast<int>(ToQ(text_).size()));
  if (line_) line_->setSelection(start, end - start);
  if (multi_) {
    QTextCursor c = multi_->textCursor();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    multi_->setTextCursor(c);
  }
}

std::string TextBox::SelText() const {
  if (line_) return FromQ(line_->selectedText());
  return WithCrLf(multi_->textCursor().selectedText().replace(QChar(0x2029), QChar('\n')));
}

void TextBox::SetAlignment(int alignment) {
  alignment_ = alignment;
  if (line_) line_->setAlignment(HorizontalAlignment(alignment) | Qt::AlignVCenter);
}

void TextBox::SetBorderStyle(int style) {
  borderStyle_ = style;
  if (line_) line_->SetBorder(style != kBorderNone);
  if (multi_) multi_->setFrameShape(style != kBorderNone ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TextBox::typeText(const std::string& text) {
  if (!IsEnabledInForm()) return;
  ParentForm().MoveFocus(this);
  if (!HasFocus()) return;  // GotFocus or LostFocus elsewhere took the focus away
  std::string result;
  for (unsigned char ch : text) {
    const int typed = keyPress(ch);
    if (typed <= 0 || typed > 255) continue;
    if (maxLength_ > 0 && static_cast<int>(result.size()) >= maxLength_) continue;
    result.push_back(static_cast<char>(typed));
  }
  if (locked_) return;
  SetText(result);
  typed_ = true;
  SetSelStart(static_cast<int>(ToQ(text_).size()));
}

void TextBox::leave() {
  if (HasFocus()) ParentForm().MoveFocus(nullptr);
}
