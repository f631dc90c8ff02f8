#include "app/history_feature.h"

#include <QFile>
#include <QKeySequence>

#include "app/language.h"
#include "app/look.h"
#include "app/settings.h"

namespace draftcalc::app {
namespace {

const QString kKeepHistoryKey = QStringLiteral("history/enabled");

}  // namespace

HistoryFeature::HistoryFeature(QWidget* window, WindowCore& core, QWidget* candidatePanel, QWidget* firstBox)
    : window_(window), core_(core), candidatePanel_(candidatePanel), firstBox_(firstBox) {
  show_ = new QAction(window);
  core_.Texts().Set(show_, "text", QT_TRANSLATE_NOOP("draftcalc", "History"));
  show_->setObjectName("showHistory");
  show_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  show_->setCheckable(true);
  QObject::connect(show_, &QAction::toggled, window, [this](bool shown) { ShowList(shown); });
  window->addAction(show_);
  keep_ = new QAction(window);
  core_.Texts().Set(keep_, "text", QT_TRANSLATE_NOOP("draftcalc", "Keep a history of calculations"));
  keep_->setObjectName("keepHistory");
  keep_->setCheckable(true);
  // Triggered by the user only, not when the menu shows the setting.
  QObject::connect(keep_, &QAction::triggered, window, [this](bool keep) {
    keeps_ = keep;
    WriteFlag(kKeepHistoryKey, keep);
    core_.Notice(keep ? Translated(QT_TRANSLATE_NOOP("draftcalc", "Calculations are added to the history."))
                      : Translated(QT_TRANSLATE_NOOP("draftcalc", "The history is off: calculations are not kept.")));
  });
}

void HistoryFeature::Retranslate() {
  if (panel_ == nullptr) return;
  panel_->Retranslate();
  if (panel_->isVisible()) ListRecords();
}

bool HistoryFeature::Keeps() {
  if (!keeps_) keeps_ = ReadFlag(kKeepHistoryKey, true);
  return *keeps_;
}

History& HistoryFeature::TheHistory() {
  if (!history_) history_ = std::make_unique<History>(QFile::encodeName(DefaultHistoryPath()).toStdString());
  return *history_;
}

void HistoryFeature::Add() {
  if (!Keeps()) return;
  const session::Session& session = core_.TheSession();
  TheHistory().Append({History::Now(), session.Boxes(), session.Shown().captions});
  if (panel_ != nullptr && panel_->isVisible()) ListRecords();
  TellNotice();
}

void HistoryFeature::Place() {
  if (panel_ != nullptr) panel_->setGeometry(candidatePanel_->geometry());
}

// Not at start-up: the first window does not show it.
void HistoryFeature::ShowList(bool shown) {
  if (panel_ == nullptr) {
    if (!shown) return;
    panel_ = new HistoryPanel(window_, [this](size_t index) { Restore(index); });
    panel_->setObjectName("history");
    Place();
    QWidget::setTabOrder(candidatePanel_, panel_);
  }
  if (shown) ListRecords();
  const bool hadFocus = panel_->hasFocus();
  panel_->setVisible(shown);
  candidatePanel_->setVisible(!shown);
  if (shown) {
    if (panel_->currentItem() == nullptr && panel_->topLevelItemCount() > 0) {
      panel_->setCurrentItem(panel_->topLevelItem(0));
    }
    panel_->setFocus();
  } else if (hadFocus) {
    firstBox_->setFocus();
  }
  TellNotice();
}

void HistoryFeature::ListRecords() { panel_->Show(TheHistory().Records(), TheHistory().Generation()); }

void HistoryFeature::TellNotice() {
  if (history_) core_.Notice(Utf8(history_->TakeNotice()));
}

// The restored record stays the current row, so that the next one is one
// arrow key away; the calculation itself is added at the top.
void HistoryFeature::Restore(size_t index) {
  History& history = TheHistory();
  if (index >= history.Records().size()) return;
  const BoxTexts rows = history.Records()[index].boxes;  // copied: adding may shorten the history
  const int generation = history.Generation();
  session::Session& session = core_.TheSession();
  core_.Show(session.SetRows(rows));
  core_.Show(session.Calculate());
  if (panel_ == nullptr || !panel_->isVisible()) return;
  QTreeWidgetItem* restored = history.Generation() == generation ? panel_->ItemOf(index) : nullptr;
  panel_->setCurrentItem(restored != nullptr ? restored : panel_->topLevelItem(0));
}

}  // namespace draftcalc::app
