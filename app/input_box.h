#pragma once

#include <QFont>
#include <QLineEdit>
#include <QPalette>
#include <QString>

namespace draftcalc::app {

// An input box that shows its text whole wherever it can. The font shrinks
// from the window's size in half points, down to 8 pt, until the text fits.
// A text that does not fit even then shows, while the box does not have the
// focus, its beginning (the sign first) and an elision mark, with the whole
// text in the tooltip; with the focus it scrolls as any line edit does.
// Texts of any length are kept whole. A text the calculation does not read
// whole ("8,5" read as 8, "point" read as 0) tints the box, and its tooltip
// says how it is read.
class InputBox final : public QLineEdit {
 public:
  static constexpr double kSmallestPointSize = 8;

  InputBox(QWidget* parent, Qt::Alignment alignment);

  // The width in pixels the text may take, inside the frame and margins.
  int TextAreaWidth() const;
  // What the box shows without the focus: the text, or its elided beginning.
  QString UnfocusedText() const;
  bool ShowsWholeText() const { return UnfocusedText() == text(); }
  // How the text is read when not whole ("read as 8: ..."), else empty.
  const QString& Reading() const { return reading_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FitToText();
  bool Fits(const QFont& font) const;
  void PaintElided();
  void ShowReading();

  QFont fullSizeFont_;
  QString reading_;
  QPalette plainPalette_;
};

}  // namespace draftcalc::app
