// The window's candidates: found after each calculation, listed beside the
// picture and drawn in it, picked by a click or by the keys, and copied.
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineF>

#include "app/form_miret.h"
#include "app/look.h"
#include "view/candidate_markers.h"

namespace draftcalc::app {
namespace {

// Pixels from a marker within which a click on the picture picks it.
constexpr double kPickRadius = 8;

}  // namespace

void Form_miret::CreateCandidatePanel() {
  candidatePanel = new CandidatePanel(
      this, [this](int number) { PickCandidate(number); }, [this](int step) { return StepCandidate(step, false); });
}

void Form_miret::CreateCandidateActions() {
  copyCandidateAction = new QAction("Copy candidate line", this);
  copyCandidateAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyCandidateAction->setEnabled(false);
  connect(copyCandidateAction, &QAction::triggered, this,
          [this] { QGuiApplication::clipboard()->setText(candidatePanel->SelectedLine()); });
  nextCandidateAction = new QAction("Next candidate", this);
  nextCandidateAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
  connect(nextCandidateAction, &QAction::triggered, this, [this] { StepCandidate(1, true); });
  previousCandidateAction = new QAction("Previous candidate", this);
  previousCandidateAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
  connect(previousCandidateAction, &QAction::triggered, this, [this] { StepCandidate(-1, true); });
  addActions({copyCandidateAction, nextCandidateAction, previousCandidateAction});
  ShowCandidateFreshness(false);

  menus_->AttachToCandidatePanel(candidatePanel, {copyCandidateAction, nextCandidateAction, previousCandidateAction});
  // Which line Ctrl+Shift+C copies follows the focus.
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this] { EnableCopyActions(); });
}

void Form_miret::PickCandidate(int number) {
  const candidates::Candidate& candidate = candidates_.at(static_cast<size_t>(number - 1));
  if (candidate.reachable && !candidate.edits.empty()) {
    // Copied: the calculation replaces the candidates.
    const std::vector<candidates::BoxEdit> edits = candidate.edits;
    settingRows_ = true;
    for (const candidates::BoxEdit& edit : edits) RowBoxes(edit.row)[edit.column]->setText(Utf8(edit.text));
    settingRows_ = false;
    clearUndo_.Forget();
    Calculate();
  }
  showHistoryAction->setChecked(false);  // the candidates come back in the panel's place
  candidatePanel->Select(number);
  candidatePanel->setFocus();
  EnableCopyActions();
}

bool Form_miret::StepCandidate(int step, bool wrap) {
  const int count = static_cast<int>(candidates_.size());
  if (count == 0 || answers_->IsOutOfDate()) return false;
  int from = candidatePanel->SelectedNumber();
  if (from == 0) {
    const auto answer = std::find_if(candidates_.begin(), candidates_.end(), [](const auto& c) { return c.isAnswer; });
    // With no answer, stepping starts just outside the end it steps away from.
    from = answer != candidates_.end() ? answer->number : (step > 0 ? 0 : count + 1);
  }
  int to = from + step;
  if (to < 1 || to > count) {
    if (!wrap) return false;
    to = (to - 1 + count) % count + 1;
  }
  PickCandidate(to);
  return true;
}

// The nearest marker within reach of the click, as drawn.
bool Form_miret::Picture1_Click(QPointF at) {
  if (candidates_.empty() || answers_->IsOutOfDate()) return false;
  const std::vector<geometry::Point> markers = view::MarkerPoints(candidates_);
  int nearest = 0;
  double nearestDistance = kPickRadius;
  for (size_t i = 0; i < markers.size(); ++i) {
    const double distance = QLineF(PictureAreaPoint(markers[i].x, markers[i].y), at).length();
    if (distance < nearestDistance) nearest = static_cast<int>(i) + 1, nearestDistance = distance;
  }
  if (nearest == 0) return false;
  PickCandidate(nearest);
  return true;
}

// Candidates belong to the rows that were calculated: while the rows differ,
// the panel is greyed and cannot be picked from, and the picture leaves them
// out.
void Form_miret::ShowCandidateFreshness(bool outOfDate) {
  candidatePanel->setEnabled(!outOfDate);
  nextCandidateAction->setEnabled(!outOfDate && !candidates_.empty());
  previousCandidateAction->setEnabled(!outOfDate && !candidates_.empty());
}

void Form_miret::EnableCopyActions() {
  const bool candidateLine = candidatePanel->hasFocus() && candidatePanel->SelectedNumber() != 0;
  copyCandidateAction->setEnabled(candidateLine);
  copyAnswerAction->setEnabled(!candidateLine && !answers_->IsOutOfDate() && answers_->Shown() != ResultCaptions{});
}

}  // namespace draftcalc::app
