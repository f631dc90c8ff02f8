#pragma once

#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QWidget>
#include <memory>
#include <span>

#include "app/about_window.h"
#include "app/answer_row.h"
#include "app/candidates_feature.h"
#include "app/context_menus.h"
#include "app/help_window.h"
#include "app/history_feature.h"
#include "app/input_rows.h"
#include "app/notice_strip.h"
#include "app/picture_area.h"
#include "app/reason_strip.h"
#include "app/rows_files.h"
#include "app/twip_scale.h"
#include "app/window_core.h"
#include "session/session.h"

namespace draftcalc::app {

// The calculator's one window: three input rows under their column
// captions, the Calculate and Clear buttons, the results under theirs, the
// catalogue, the picture with its zoom slider, scroll bars and status bar,
// and beside the picture the candidates panel (in its place on Ctrl+H the
// history of calculations). It wires widgets to its session, which does
// the calculating, keeps the rows' undo history and the view; each feature
// (the candidates, the history, files of rows, the picture) is a class of
// its own. Positions and sizes are kept in twips (1440 to the inch) and
// placed at the screen's logical DPI. Every control has an object name
// (the boxes "x1" .. "s3", "calculate", "ansX", "picture", ...).
class Form_miret final : public QWidget, private WindowCore {
 public:
  explicit Form_miret(QWidget* parent = nullptr);
  ~Form_miret() override;

  const session::Session& Session() const { return session_; }
  // The candidates of the last calculation, in their order.
  std::span<const candidates::Candidate> Candidates() const { return session_.Shown().candidates; }
  const AnswerRow& Answers() const { return *answers_; }
  const ContextMenus& Menus() const { return *menus_; }
  // The Language menu's entries (English, 日本語), in the picture's menu.
  QAction* EnglishAction() const { return english_; }
  QAction* JapaneseAction() const { return japanese_; }
  // The help and About windows once asked for, else nullptr.
  HelpWindow* Help() const { return help_; }
  // The reason under the answers once a calculation failed, else nullptr.
  ReasonStrip* Reason() const { return reason_.get(); }
  AboutWindow* About() const { return about_; }

  // The view as it stands: the zoom factor and the visible part of the plane.
  double ZoomScale() const { return session_.View().ZoomPercent() / 100.0; }
  view::CoordinateWindow ShownWindow() const { return session_.View().Window(); }
  double TwipsPerPixel() const { return scale_.twipsPerPixel; }
  // Where a plane point lies in the picture, in its pixels, and back.
  QPointF PictureAreaPoint(double x, double y) const { return picture_->PixelOf(x, y); }
  QPointF PlanePoint(QPointF pixel) const { return picture_->PlanePoint(pixel); }
  void Redraw() { picture_->Redraw(); }
  void ZoomAtPixel(QPointF pixel, int steps) { picture_->ZoomAtPixel(pixel, steps); }
  void PanByPixels(QPointF delta) { picture_->PanByPixels(delta); }
  void ZoomToFit() { picture_->ZoomToFit(); }
  PictureExport& Export() { return picture_->Exporter(); }

  // Files of rows and the history: see RowsFiles and HistoryFeature.
  bool SaveRows(const QString& path) { return files_->Save(path); }
  QStringList OpenRows(const QString& path) { return files_->Open(path); }
  RecordChooser* Chooser() const { return files_->Chooser(); }
  QMessageBox* ProblemBox() const { return files_->ProblemBox(); }
  History& TheHistory() { return history_->TheHistory(); }
  void RestoreFromHistory(size_t index) { history_->Restore(index); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // WindowCore, as the features see the window.
  WindowCore& Core() { return *this; }
  session::Session& TheSession() override { return session_; }
  void Show(session::Session::Change change) override;
  void Notice(const QString& text) override;
  TranslatedTexts& Texts() override { return texts_; }

 protected:
  // QEvent::LanguageChange: every text again in the new language.
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void CreateLanguageActions();

  void CreateControls();
  void CreateButtons();
  void CreateCatalogue();
  void CreateActions();
  void CreatePictureMenu();
  void SetTabOrder();
  void LayOut();

  void Typed(size_t box, const QString& text);
  void CalculateClicked();
  void ClearClicked();
  bool Undo();
  bool Redo();
  void ShowResults();
  void ShowReason();
  int ReasonHeight() const;
  void ShowFreshness();
  void ShowCalculationThatRan();
  void EnableActions();
  void ShowHelp();
  void ShowAbout();

  TwipScale scale_;
  session::Session session_;
  TranslatedTexts texts_;
  QAction *english_ = nullptr, *japanese_ = nullptr;
  std::unique_ptr<InputRows> rows_;
  std::unique_ptr<AnswerRow> answers_;
  std::unique_ptr<ContextMenus> menus_;
  std::unique_ptr<PictureArea> picture_;
  std::unique_ptr<CandidatesFeature> candidates_;
  std::unique_ptr<HistoryFeature> history_;
  std::unique_ptr<RowsFiles> files_;
  std::unique_ptr<ReasonStrip> reason_;  // made with the first failure
  NoticeStrip notices_{this};
  QPushButton *calculate_ = nullptr, *clear_ = nullptr;
  QListWidget* catalogue_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QLabel* calculationPanel_ = nullptr;  // the calculation that ran last
  QAction *copyAnswer_ = nullptr, *helpAction_ = nullptr, *undo_ = nullptr, *redo_ = nullptr, *aboutAction_ = nullptr;
  HelpWindow* help_ = nullptr;
  AboutWindow* about_ = nullptr;
  // To the application's focus changes: ended before the controls go, since
  // closing the window moves the focus.
  QMetaObject::Connection focusWatch_;
  double answersBottom_ = 0;  // twips
  double panelWidth_ = 0;     // twips
  int reasonHeight_ = 0;      // pixels, 0 while there is no reason
  bool loaded_ = false;
};

}  // namespace draftcalc::app
