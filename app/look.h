#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <string_view>

namespace draftcalc::app {

// The window's own colours.
inline const QColor kWindowGreen(128, 255, 128);
inline const QColor kHeaderPeach(255, 224, 192);  // column caption bands
inline const QColor kAnswerYellow(255, 255, 192);
inline const QColor kRemarkWhite(255, 255, 255);
// Results that no longer belong to the input rows.
inline const QColor kOutOfDateBackground(224, 224, 224);
inline const QColor kOutOfDateText(128, 128, 128);
// A result with a remark: its numbers on a plain ground, the remark in red.
inline const QColor kFailedBackground(240, 240, 240);
inline const QColor kFailureRed(192, 0, 0);

inline void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The program's icon, drawn in packaging/draftcalc.svg and rendered at build
// time. A size of it is read from the resources only when it is first drawn
// (not at start-up: the desktop takes the window's icon from the menu entry).
inline QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {48, 256})
    icon.addFile(QString(":/icons/%1x%1/apps/draftcalc.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace draftcalc::app
