#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QWidget>
#include <array>
#include <string>

#include "app/picture_box.h"
#include "core/calc_state.h"
#include "core/input_texts.h"
#include "view/view_geometry.h"

namespace draftcalc::app {

// The calculator's one window: three input rows, the Calculate and Clear
// buttons, the result labels, the catalogue, and the picture area with its
// zoom slider, scroll bars and status bar. Positions and sizes are kept in
// twips (1440 to the inch) and placed at the screen's logical DPI.
class Form_miret final : public QWidget {
 public:
  explicit Form_miret(QWidget* parent = nullptr);

  // Controls. The input boxes are indexed by row 0..2.
  std::array<QLineEdit*, kRowCount> inpX{}, inpY{}, inpD{}, inpA{}, inpB{}, inpC{}, inpR{}, inpS{};
  QLabel *ansX = nullptr, *ansY = nullptr, *ansA = nullptr, *ansR = nullptr, *ansRem = nullptr;
  QPushButton *butStart = nullptr, *butCLR = nullptr;
  QSlider* Slider1 = nullptr;
  QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
  QListWidget* List1 = nullptr;
  PictureBox* Picture1 = nullptr;
  QScrollBar *HScroll1 = nullptr, *VScroll1 = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel1 = nullptr;  // the first panel of the status bar

  // The eight boxes of a row, in column order X Y D A B C R S.
  std::array<QLineEdit*, kColumnCount> RowBoxes(int row) const {
    return {inpX[row], inpY[row], inpD[row], inpA[row], inpB[row], inpC[row], inpR[row], inpS[row]};
  }

  // The view as it stands: the zoom factor and the visible part of the plane.
  double ZoomScale() const { return zoomScale; }
  const view::CoordinateWindow& ShownWindow() const { return coordinateWindow; }
  // Twips per device-independent pixel (15 at 96 DPI).
  double TwipsPerPixel() const { return twipsPerPixel; }
  // Where a plane point lies in the picture area, in its pixels.
  QPointF PictureAreaPoint(double x, double y) const;

  // Clears the picture area and draws axes, input rows and answer again.
  void Redraw();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void CreateControls();
  void Place(QWidget* control, double left, double top, double width, double height);
  QLineEdit* CreateInputBox(double left, double top, double width, Qt::Alignment alignment);
  QLabel* CreateResultLabel(double left, const QColor& background);

  void Form_Load();
  void FillCatalogue();
  void butStart_Click();
  void butCLR_Click();
  void Form_Resize();
  void Slider1_Change();
  void HScroll1_Change();
  void VScroll1_Change();
  void Form_Click();
  void Picture1_Paint(QPainter& painter);
  void ApplyHorizontalScroll();
  void ApplyVerticalScroll();
  void UpdateCoordinateText();
  void ShowCaptions();

  // The 24 box texts, kept alive for the views that a calculation reads.
  struct BoxTexts {
    std::array<std::array<std::string, kColumnCount>, kRowCount> storage;
    InputTexts views;
  };
  void ReadBoxes(BoxTexts& texts) const;

  CalcState calc;
  double zoomScale = 1;
  int loadingFlag = 0;
  int ansBottom = 0;     // twips: bottom edge of the result labels
  int statusHeight = 0;  // twips
  view::CoordinateWindow coordinateWindow;
  double pictureWidthTwips = 0, pictureHeightTwips = 0;
  double twipsPerPixel = 15;
};

}  // namespace draftcalc::app
