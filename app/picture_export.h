#pragma once

#include <QByteArray>
#include <QFileDialog>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "view/draw_surface.h"
#include "view/view_geometry.h"

namespace draftcalc::app {

enum class ExportFormat { kPng, kSvg, kDxf };

// The picture's export (Ctrl+E, the picture's right-click menu): a file
// dialog, then the picture written as PNG (as shown, at the screen's device
// pixel ratio), SVG or DXF (in drawing units, see view/svg_surface.h and
// view/dxf_surface.h), chosen by the file's suffix or else by the dialog's
// filter. A file is written whole or not at all (QSaveFile); a failure is
// shown in a message and leaves nothing behind.
class PictureExport {
 public:
  struct Source {
    std::function<QPixmap()> shownPicture;
    std::function<view::CoordinateWindow()> shownWindow;
    std::function<double()> unitsPerPixel;
    // Draws the picture, once, into the surface given.
    std::function<void(view::DrawSurface&)> draw;
  };

  PictureExport(QWidget* window, Source source) : window_(window), source_(std::move(source)) {}

  // Opens the file dialog, made on first use; returns at once, and the
  // export runs when a file is chosen.
  void OpenDialog();
  // Writes the picture to `path`; on failure shows why and returns false.
  bool ExportTo(const QString& path, ExportFormat format);
  // The dialog once made, else nullptr.
  QFileDialog* Dialog() const { return dialog_; }

  static std::optional<ExportFormat> FormatOfSuffix(const QString& path);

 private:
  QByteArray Bytes(ExportFormat format) const;
  void ExportChosen(const QString& path);
  void ShowFailure(const QString& path, const QString& reason);

  QWidget* window_;
  Source source_;
  QFileDialog* dialog_ = nullptr;
};

}  // namespace draftcalc::app
