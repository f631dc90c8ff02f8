#pragma once

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/about_window.h"
#include "app/answer_row.h"
#include "app/candidate_panel.h"
#include "app/column_header.h"
#include "app/context_menus.h"
#include "app/help_window.h"
#include "app/history.h"
#include "app/history_panel.h"
#include "app/input_box.h"
#include "app/input_set_file.h"
#include "app/kept_rows.h"
#include "app/picture_box.h"
#include "app/picture_export.h"
#include "app/picture_navigation.h"
#include "app/record_chooser.h"
#include "app/row_texts.h"
#include "app/twip_scale.h"
#include "candidates/candidate.h"
#include "core/calc_state.h"
#include "core/input_texts.h"
#include "view/view_geometry.h"
#include "view/view_state.h"

namespace draftcalc::app {

// The calculator's one window: three input rows under their column
// captions, the Calculate and Clear buttons, the results under theirs, the
// catalogue, the picture area with its zoom slider, scroll bars and status
// bar, and beside the picture the candidates panel: every answer of the
// construction that was calculated, each one click away; in its place on
// Ctrl+H the history of calculations. Positions and
// sizes are kept in twips (1440 to the inch) and placed at the screen's
// logical DPI.
class Form_miret final : public QWidget {
 public:
  explicit Form_miret(QWidget* parent = nullptr);
  ~Form_miret() override;

  // Controls. The input boxes are indexed by row 0..2.
  std::array<InputBox*, kRowCount> inpX{}, inpY{}, inpD{}, inpA{}, inpB{}, inpC{}, inpR{}, inpS{};
  QLabel *ansX = nullptr, *ansY = nullptr, *ansA = nullptr, *ansR = nullptr, *ansRem = nullptr;
  QPushButton *butStart = nullptr, *butCLR = nullptr;
  QSlider* Slider1 = nullptr;
  QLabel *Label1 = nullptr, *Label3 = nullptr;
  ColumnHeader* Label2 = nullptr;  // the column captions over the input rows
  QListWidget* List1 = nullptr;
  PictureBox* Picture1 = nullptr;
  QScrollBar *HScroll1 = nullptr, *VScroll1 = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel1 = nullptr;  // the view's lower-left corner
  QLabel* StatusPanel2 = nullptr;  // the calculation that ran last
  // Notices (a file saved, the history turned off), for a while, along the
  // foot of the picture: the status bar's panels stay readable all the time,
  // and a notice is read whole however narrow the window is.
  QLabel* StatusNotice = nullptr;
  QTimer* noticeTimer = nullptr;
  CandidatePanel* candidatePanel = nullptr;
  // Ctrl+Shift+C, F1, and Ctrl+Z outside the input boxes. Ctrl+Shift+C
  // copies the selected candidate's line instead while the candidates panel
  // has the focus and a selection: of the two copy actions, at most one is
  // enabled at a time.
  QAction *copyAnswerAction = nullptr, *helpAction = nullptr, *undoClearAction = nullptr;
  QAction* copyCandidateAction = nullptr;
  // Ctrl+Down and Ctrl+Up: pick the next or the previous candidate.
  QAction *nextCandidateAction = nullptr, *previousCandidateAction = nullptr;
  QAction* aboutAction = nullptr;  // in the picture's right-click menu
  // The view: F and Home on the picture; fit after each calculation that
  // leaves the answer out of view (kept between runs); Ctrl+E.
  QAction *fitAction = nullptr, *fitAfterCalculationAction = nullptr, *exportAction = nullptr;
  QLabel* StatusPanel3 = nullptr;  // the drawing coordinates under the cursor
  // Ctrl+H shows the history in the candidates panel's place, and hides it;
  // the setting keeps a history of the calculations or not.
  HistoryPanel* historyPanel = nullptr;  // made on the first Ctrl+H
  QAction *showHistoryAction = nullptr, *keepHistoryAction = nullptr;
  // Ctrl+S and Ctrl+O save and open rows as CSV; Ctrl+PgDn and Ctrl+PgUp
  // calculate the next and the previous record of the file opened, which
  // the status bar names.
  QAction *saveAction = nullptr, *openAction = nullptr;
  QAction *nextRecordAction = nullptr, *previousRecordAction = nullptr;
  QLabel* StatusRecord = nullptr;

  // The eight boxes of a row, in column order X Y D A B C R S.
  std::array<InputBox*, kColumnCount> RowBoxes(int row) const {
    return {inpX[row], inpY[row], inpD[row], inpA[row], inpB[row], inpC[row], inpR[row], inpS[row]};
  }
  const AnswerRow& Answers() const { return *answers_; }
  const ContextMenus& Menus() const { return *menus_; }
  // The help window once F1 has made it, else nullptr.
  HelpWindow* Help() const { return help_; }
  // The About window once it has been asked for, else nullptr.
  AboutWindow* About() const { return about_; }

  // The view as it stands: the zoom factor and the visible part of the plane.
  double ZoomScale() const { return zoomScale; }
  const view::CoordinateWindow& ShownWindow() const { return coordinateWindow; }
  // Twips per device-independent pixel (15 at 96 DPI).
  double TwipsPerPixel() const { return scale_.twipsPerPixel; }
  // Where a plane point lies in the picture area, in its pixels.
  QPointF PictureAreaPoint(double x, double y) const;
  // The candidates of the last calculation, in their order.
  std::span<const candidates::Candidate> Candidates() const { return candidates_; }

  // Clears the picture area and draws axes, input rows, candidates and
  // answer again.
  void Redraw();

  // The view moved as the wheel, a drag, the keys and Zoom to fit move it;
  // the slider, the zoom label, the scroll bars and the status bar follow.
  void ZoomAtPixel(QPointF pixel, int steps);
  void PanByPixels(QPointF delta);
  void ZoomToFit();
  // The plane point under a pixel of the picture area.
  QPointF PlanePoint(QPointF pixel) const;
  PictureExport& Export() { return *export_; }
  // Saves the rows and their answer as a CSV file of one record. A failure
  // is shown, and any file of that name is left as it was.
  bool SaveRows(const QString& path);
  // Opens a CSV file of rows: its first record fills the rows and is
  // calculated, and of several records a list offers the others. A file
  // that cannot be read is shown with its problems ("FILE:LINE: message"),
  // which are returned, and the rows are left as they are.
  QStringList OpenRows(const QString& path);
  // The history of calculations, read when first needed.
  History& TheHistory();
  // Writes the 24 texts of history record `index` (oldest first) into the
  // boxes and calculates them.
  void RestoreFromHistory(size_t index);
  // The list of an opened file's records once one was shown, else nullptr.
  RecordChooser* Chooser() const { return chooser_; }
  // The last failure shown (of a save or an open) while it is open.
  QMessageBox* ProblemBox() const { return problemBox_.data(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateControls();
  void CreateInputRows();
  void CreateColumnHeader();
  void CreateButtons();
  void CreateZoomControls();
  void CreateCatalogue();
  void CreatePictureArea();
  void CreateStatusBar();
  void CreateCandidatePanel();
  void CreateActions();
  void CreateCandidateActions();
  void CreateHistoryPanel();
  void CreateHistoryActions();
  void CreateFileActions();
  void SetTabOrder();
  void Place(QWidget* control, double left, double top, double width, double height);
  InputBox* CreateInputBox(double left, double top, double width, Qt::Alignment alignment);

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
  bool Picture1_Click(QPointF at);
  void ApplyHorizontalScroll();
  void ApplyVerticalScroll();
  void UpdateCoordinateText();

  RowTexts CurrentRows() const;
  // Sets the boxes without counting it as an edit of the rows.
  void SetRows(const RowTexts& rows);
  void RowsEdited();
  // Calculates the rows as they stand and finds their candidates.
  void Calculate();
  void ShowResults();
  void ShowFreshness();
  void ShowCalculationThatRan();
  void CopyAnswerLine();

  // Candidate `number` (1..n) becomes the selected one; when its edits give
  // it, they are written into the boxes and the rows calculated. The focus
  // goes to the candidates panel.
  void PickCandidate(int number);
  // Picks the candidate `step` places after the selected one (after the
  // answer when none is selected); past either end it wraps round when
  // `wrap`, and otherwise picks nothing and returns false.
  bool StepCandidate(int step, bool wrap);
  void ShowCandidateFreshness(bool outOfDate);
  void EnableCopyActions();
  void ShowHelp();
  void ShowAbout();
  bool UndoClear();

  void CreateViewActions();
  // Zoom and corner set as the new ways of moving the view set them: the
  // controls follow without running their handlers; does not redraw.
  void ShowView(int zoomPercent, view::ViewCorner corner);
  void FitIfAnswerHidden();
  bool FitsAfterCalculation();
  void ShowCursorPosition(std::optional<QPointF> pixel);
  void DrawPicture(view::DrawSurface& surface) const;
  view::Bounds ShownFigureBounds() const;
  bool KeepsHistory();
  void AddToHistory();
  void ShowHistoryPanel(bool shown);
  void ShowHistoryRecords();
  void ShowHistoryNotice();
  void ShowNotice(const QString& notice);
  void ShowProblem(const QString& title, const QString& text);
  void SaveWithDialog();
  void OpenWithDialog();
  // Fills the rows with record `index` of the file opened and calculates.
  void ShowOpenedRecord(size_t index);
  bool StepRecord(int step);
  // Takes a drag of one CSV file anywhere in the window and opens it when
  // dropped; false for every other event.
  bool TakeFileDrop(QEvent* event);

  // The 24 box texts, kept alive for the views that a calculation reads.
  struct BoxTexts {
    std::array<std::array<std::string, kColumnCount>, kRowCount> storage;
    InputTexts views;
  };
  void ReadBoxes(BoxTexts& texts) const;

  CalcState calc;
  double zoomScale = 1;
  int loadingFlag = 0;
  int ansBottom = 0;     // twips: bottom edge of the results
  int statusHeight = 0;  // twips
  view::CoordinateWindow coordinateWindow;
  double pictureWidthTwips = 0, pictureHeightTwips = 0;
  TwipScale scale_;
  double panelWidthTwips_ = 0;

  std::unique_ptr<AnswerRow> answers_;
  std::unique_ptr<ContextMenus> menus_;
  HelpWindow* help_ = nullptr;
  AboutWindow* about_ = nullptr;
  ResultFreshness freshness_;
  std::vector<candidates::Candidate> candidates_;
  // To the application's focus changes: ended before the controls go, since
  // closing the window moves the focus.
  QMetaObject::Connection focusWatch_;
  ClearUndo clearUndo_;
  bool settingRows_ = false;
  view::ViewCorner corner_;  // the plane point at the picture's top-left corner
  std::unique_ptr<PictureNavigation> navigation_;
  std::unique_ptr<PictureExport> export_;
  std::optional<QPointF> cursorPixel_;
  bool fitSettingRead_ = false;

  std::unique_ptr<History> history_;
  std::optional<bool> keepHistory_;  // the setting, read when first needed
  struct OpenedFile {
    QString path;
    std::vector<InputSetFile::Record> records;
    size_t current = 0;
  } opened_;
  RecordChooser* chooser_ = nullptr;
  QPointer<QMessageBox> problemBox_;
  QString lastFolder_;  // of the last file opened or saved
};

}  // namespace draftcalc::app
