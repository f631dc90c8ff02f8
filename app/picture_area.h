#pragma once

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <functional>
#include <memory>
#include <optional>

#include "app/picture_box.h"
#include "app/picture_export.h"
#include "app/picture_navigation.h"
#include "app/shortcut_priority.h"
#include "app/twip_scale.h"
#include "app/window_core.h"
#include "view/view_geometry.h"

namespace draftcalc::app {

// The picture and every way of moving its view: the zoom slider and its
// figure, the scroll bars, the wheel, dragging and the picture's keys, Zoom
// to fit (F, Home) and fitting after each calculation (a setting kept
// between runs), the status bar's panels of the view's lower-left corner and
// of the drawing coordinates under the cursor, and the export (Ctrl+E). The
// view itself is the session's; this shows it and hands it what the user does.
class PictureArea final {
 public:
  // `click`: a click on the picture at a pixel; whether it was taken (a
  // candidate's marker picked).
  PictureArea(QWidget* window, WindowCore& core, const TwipScale& scale, QStatusBar* statusBar,
              std::function<bool(QPointF)> click);

  PictureBox* Picture() const { return picture_; }
  QAction* FitAction() const { return fit_; }
  QAction* FitAfterCalculationAction() const { return fitAfterCalculation_; }
  QAction* ExportAction() const { return export_; }
  PictureExport& Exporter() { return *exporter_; }
  // Ctrl+E reaches the window from `box` too (a line edit takes it for the
  // end of the line).
  void LetExportThrough(QWidget* box);

  // Places the picture and its scroll bars as laid out; the view takes the
  // picture's new size.
  void Place(const view::ViewLayout& layout);
  // The slider, the zoom figure, the scroll bars and the status bar's panels
  // as the session's view stands.
  void ShowView();
  // Paints the picture again now.
  void Redraw();
  // The setting read into the session and the menu entry, when first needed.
  void ReadFitSetting();

  void ZoomAtPixel(QPointF pixel, int steps);
  void PanByPixels(QPointF delta);
  void ZoomToFit();
  QPointF PixelOf(double x, double y) const;
  QPointF PlanePoint(QPointF pixel) const;

 private:
  void CreateControls(const TwipScale& scale);
  void CreateActions();
  void Place(QWidget* control, const view::Rect& rect) const;
  void SliderMoved(int value);
  void ShowCursor(std::optional<QPointF> pixel);
  void Paint(QPainter& painter) const;

  QWidget* window_;
  WindowCore& core_;
  TwipScale scale_;
  QSlider* slider_ = nullptr;
  QLabel* zoomLabel_ = nullptr;
  PictureBox* picture_ = nullptr;
  QScrollBar *hScroll_ = nullptr, *vScroll_ = nullptr;
  QLabel *cornerPanel_ = nullptr, *cursorPanel_ = nullptr;
  QAction *fit_ = nullptr, *fitAfterCalculation_ = nullptr, *export_ = nullptr;
  ShortcutPriority* exportFirst_ = nullptr;
  std::unique_ptr<PictureNavigation> navigation_;
  std::unique_ptr<PictureExport> exporter_;
  std::optional<QPointF> cursor_;
  bool fitSettingRead_ = false;
  bool placing_ = false;
};

}  // namespace draftcalc::app
