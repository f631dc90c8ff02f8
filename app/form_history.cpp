// The window's history of calculations: each calculation added to it, the
// panel that lists it in the candidates panel's place, restoring a record,
// and the setting that keeps a history or not.
#include <QFile>
#include <QKeySequence>

#include "app/form_miret.h"
#include "app/look.h"
#include "app/settings.h"

namespace draftcalc::app {
namespace {

const QString kKeepHistoryKey = QStringLiteral("history/enabled");
// Long enough to be read.
constexpr int kNoticeMilliseconds = 15000;

}  // namespace

// Not at start-up: the first window does not show it.
void Form_miret::CreateHistoryPanel() {
  historyPanel = new HistoryPanel(this, [this](size_t index) { RestoreFromHistory(index); });
  historyPanel->setGeometry(candidatePanel->geometry());
  setTabOrder(candidatePanel, historyPanel);
}

void Form_miret::CreateHistoryActions() {
  showHistoryAction = new QAction("History", this);
  showHistoryAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  showHistoryAction->setCheckable(true);
  connect(showHistoryAction, &QAction::toggled, this, &Form_miret::ShowHistoryPanel);
  keepHistoryAction = new QAction("Keep a history of calculations", this);
  keepHistoryAction->setCheckable(true);
  // Triggered by the user only, not when the menu shows the setting.
  connect(keepHistoryAction, &QAction::triggered, this, [this](bool keep) {
    keepHistory_ = keep;
    WriteFlag(kKeepHistoryKey, keep);
    ShowNotice(keep ? "Calculations are added to the history." : "The history is off: calculations are not kept.");
  });
  addAction(showHistoryAction);
}

bool Form_miret::KeepsHistory() {
  if (!keepHistory_) keepHistory_ = ReadFlag(kKeepHistoryKey, true);
  return *keepHistory_;
}

History& Form_miret::TheHistory() {
  if (!history_) history_ = std::make_unique<History>(QFile::encodeName(DefaultHistoryPath()).toStdString());
  return *history_;
}

void Form_miret::AddToHistory() {
  if (!KeepsHistory()) return;
  TheHistory().Append({History::Now(), Utf8Texts(CurrentRows()), calc.captions});
  if (historyPanel != nullptr && historyPanel->isVisible()) ShowHistoryRecords();
  ShowHistoryNotice();
}

void Form_miret::ShowHistoryPanel(bool shown) {
  if (historyPanel == nullptr) {
    if (!shown) return;
    CreateHistoryPanel();
  }
  if (shown) ShowHistoryRecords();
  const bool hadFocus = historyPanel->hasFocus();
  historyPanel->setVisible(shown);
  candidatePanel->setVisible(!shown);
  if (shown) {
    if (historyPanel->currentItem() == nullptr && historyPanel->topLevelItemCount() > 0) {
      historyPanel->setCurrentItem(historyPanel->topLevelItem(0));
    }
    historyPanel->setFocus();
  } else if (hadFocus) {
    inpX[0]->setFocus();
  }
  ShowHistoryNotice();
}

void Form_miret::ShowHistoryRecords() { historyPanel->Show(TheHistory().Records(), TheHistory().Generation()); }

void Form_miret::ShowHistoryNotice() {
  if (history_) ShowNotice(Utf8(history_->TakeNotice()));
}

// The restored record stays the current row, so that the next one is one
// arrow key away; the calculation itself is added at the top.
void Form_miret::RestoreFromHistory(size_t index) {
  History& history = TheHistory();
  if (index >= history.Records().size()) return;
  const RowTexts rows = RowTextsOf(history.Records()[index].boxes);  // copied: adding may shorten the history
  const int generation = history.Generation();
  SetRows(rows);
  clearUndo_.Forget();
  Calculate();
  if (historyPanel == nullptr || !historyPanel->isVisible()) return;
  QTreeWidgetItem* restored = history.Generation() == generation ? historyPanel->ItemOf(index) : nullptr;
  historyPanel->setCurrentItem(restored != nullptr ? restored : historyPanel->topLevelItem(0));
}

// Created with the first notice; clicks go through it to the picture.
void Form_miret::ShowNotice(const QString& notice) {
  if (notice.isEmpty()) return;
  if (StatusNotice == nullptr) {
    StatusNotice = new QLabel(this);
    StatusNotice->setWordWrap(true);
    StatusNotice->setAttribute(Qt::WA_TransparentForMouseEvents);
    StatusNotice->setStyleSheet(
        "QLabel { background: #ffffe1; color: black; border: 1px solid #808080; padding: 2px; }");
    noticeTimer = new QTimer(this);
    noticeTimer->setSingleShot(true);
    connect(noticeTimer, &QTimer::timeout, StatusNotice, &QLabel::hide);
  }
  StatusNotice->setText(notice);
  const QRect picture = Picture1->geometry();
  const int width = picture.width() - 8;
  const int height = StatusNotice->heightForWidth(width);
  StatusNotice->setGeometry(picture.left() + 4, picture.bottom() - 4 - height, width, height);
  StatusNotice->show();
  StatusNotice->raise();
  noticeTimer->start(kNoticeMilliseconds);
}

}  // namespace draftcalc::app
