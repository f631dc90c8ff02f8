#pragma once

#include <QAction>
#include <functional>
#include <memory>
#include <optional>

#include "app/history.h"
#include "app/history_panel.h"
#include "app/window_core.h"

namespace draftcalc::app {

// The window's history of calculations: each calculation added to the file
// (files::History), the panel that lists it in the candidates panel's place
// (Ctrl+H), restoring a record (its rows set and calculated, undone by
// Ctrl+Z like every program edit), and the setting that keeps a history or
// not. The file is read when first needed, never at start-up.
class HistoryFeature final {
 public:
  // `candidatePanel`: the widget whose place the list takes; `firstBox`
  // takes the focus when the list goes.
  HistoryFeature(QWidget* window, WindowCore& core, QWidget* candidatePanel, QWidget* firstBox);

  QAction* ShowAction() const { return show_; }
  QAction* KeepAction() const { return keep_; }
  // The list once Ctrl+H has made it, else nullptr.
  HistoryPanel* Panel() const { return panel_; }
  History& TheHistory();

  // The session's rows and result as the newest record, when a history is kept.
  void Add();
  // Writes the rows of record `index` (oldest first) and calculates them.
  void Restore(size_t index);
  // Brings the candidates back into the panel's place.
  void HideList() { show_->setChecked(false); }
  // The list's captions and names in the language now installed.
  void Retranslate();
  // The setting into its menu entry, before the menu shows.
  void ShowSetting() { keep_->setChecked(Keeps()); }
  // The list kept over the candidates panel as the window is laid out.
  void Place();

 private:
  bool Keeps();
  void ShowList(bool shown);
  void ListRecords();
  void TellNotice();

  QWidget* window_;
  WindowCore& core_;
  QWidget* candidatePanel_;
  QWidget* firstBox_;
  QAction *show_ = nullptr, *keep_ = nullptr;
  HistoryPanel* panel_ = nullptr;
  std::unique_ptr<History> history_;
  std::optional<bool> keeps_;  // the setting, read when first needed
};

}  // namespace draftcalc::app
