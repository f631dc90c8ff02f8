#include "app/about_window.h"

#include <gnu/libc-version.h>

#include <QtGlobal>

#include "app/language.h"
#include "app/look.h"
#include "packaging/version.h"
#include "view/dxf_surface.h"

namespace draftcalc::app {
namespace {

// Qt as loaded, and as built against when the two differ.
QString QtVersions() {
  QString versions = QString("Qt %1").arg(qVersion());
  if (QString(qVersion()) != QT_VERSION_STR)
    versions += " " + Translated(QT_TRANSLATE_NOOP("draftcalc", "(built with %1)")).arg(QT_VERSION_STR);
  return versions;
}

QString LibraryRow(const QString& library, const QString& licence) {
  return "<tr><td>" + library + "</td><td style='padding-left:12px'>" + licence + "</td></tr>";
}

}  // namespace

QString AboutWindow::Html() {
  const QString libraries =
      LibraryRow(QtVersions() + " (Core, GUI, Widgets)", "LGPL-3.0") +
      LibraryRow(QString("GNU C++ Library and GCC runtime of GCC %1").arg(_GLIBCXX_RELEASE),
                 "GPL-3.0 with the GCC Runtime Library Exception") +
      LibraryRow(QString("GNU C Library %1").arg(gnu_get_libc_version()), "LGPL-2.1") +
      LibraryRow("dxflib " + Utf8(view::DxfLibraryVersion()) + " (DXF export)", "GPL-2.0-or-later");
  const QString copyright = Utf8(kCopyright).toHtmlEscaped();
  // The libraries' names and licences stay as their makers write them.
  return "<h3>draftcalc " + Utf8(kVersion) + "</h3><p>" +
         Translated(
             QT_TRANSLATE_NOOP("draftcalc",
                               "A fast, exact calculator for the plane-geometry construction problems of machining and "
                               "drafting.")) +
         "</p><p>" + copyright + ".<br>" +
         Translated(QT_TRANSLATE_NOOP("draftcalc",
                                      "Free software under the MIT License: use, copy, change and pass it on, keeping "
                                      "the copyright notice. It comes without any warranty.")) +
         "</p><p><b>" + Translated(QT_TRANSLATE_NOOP("draftcalc", "Runs on")) +
         "</b></p><table cellspacing=0 cellpadding=1>" + libraries + "</table>";
}

AboutWindow::AboutWindow(QWidget* parent) : QMessageBox(parent) {
  setTextFormat(Qt::RichText);
  Retranslate();
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  const int iconSize = fontMetrics().height() * 4;
  setIconPixmap(ProgramIcon().pixmap(iconSize, iconSize));
  setStandardButtons(QMessageBox::Ok);
  setEscapeButton(QMessageBox::Ok);
  setModal(false);
}

void AboutWindow::Retranslate() {
  setWindowTitle(Translated(QT_TRANSLATE_NOOP("draftcalc", "About draftcalc")));
  setText(Html());
}

}  // namespace draftcalc::app
