#include "app/candidates_feature.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineF>

#include "app/actions.h"
#include "app/language.h"
#include "view/candidate_markers.h"

namespace draftcalc::app {
namespace {

// Pixels from a marker within which a click on the picture picks it.
constexpr double kPickRadius = 8;

}  // namespace

CandidatesFeature::CandidatesFeature(QWidget* window, WindowCore& core, ContextMenus& menus,
                                     std::function<void()> beforePick)
    : core_(core), beforePick_(std::move(beforePick)) {
  panel_ = new CandidatePanel(
      window, [this](int number) { Pick(number); }, [this](int step) { return Step(step, false); });
  panel_->setObjectName("candidates");
  copy_ = NewAction(window, core_.Texts(), "copyCandidate", QT_TRANSLATE_NOOP("draftcalc", "Copy candidate line"),
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});
  copy_->setEnabled(false);
  QObject::connect(copy_, &QAction::triggered, panel_,
                   [this] { QGuiApplication::clipboard()->setText(panel_->SelectedLine()); });
  next_ = NewAction(window, core_.Texts(), "nextCandidate", QT_TRANSLATE_NOOP("draftcalc", "Next candidate"),
                    {QKeySequence(Qt::CTRL | Qt::Key_Down)});
  QObject::connect(next_, &QAction::triggered, panel_, [this] { Step(1, true); });
  previous_ = NewAction(window, core_.Texts(), "previousCandidate",
                        QT_TRANSLATE_NOOP("draftcalc", "Previous candidate"), {QKeySequence(Qt::CTRL | Qt::Key_Up)});
  QObject::connect(previous_, &QAction::triggered, panel_, [this] { Step(-1, true); });
  constexpr std::array<const char*, kRowCount> kUseAsRow = {QT_TRANSLATE_NOOP("draftcalc", "Use as row 1"),
                                                            QT_TRANSLATE_NOOP("draftcalc", "Use as row 2"),
                                                            QT_TRANSLATE_NOOP("draftcalc", "Use as row 3")};
  constexpr std::array<const char*, kRowCount> kObjectNames = {"useAsRow1", "useAsRow2", "useAsRow3"};
  for (int row = 0; row < kRowCount; ++row) {
    QAction* action =
        NewAction(window, core_.Texts(), kObjectNames[static_cast<size_t>(row)], kUseAsRow[static_cast<size_t>(row)]);
    QObject::connect(action, &QAction::triggered, panel_, [this, row] { UseAsRow(row); });
    useAsRow_[static_cast<size_t>(row)] = action;
  }
  ShowFreshness(false);
  menus.AttachToCandidatePanel(panel_, {copy_, next_, previous_, nullptr, useAsRow_[0], useAsRow_[1], useAsRow_[2]});
}

void CandidatesFeature::EnableUseAsRow() {
  const session::Session& session = core_.TheSession();
  for (QAction* action : useAsRow_) action->setEnabled(session.Picked() != 0 && !session.IsOutOfDate());
}

void CandidatesFeature::UseAsRow(int row) {
  session::Session& session = core_.TheSession();
  core_.Show(session.UseAsRow(session.Picked(), row));
}

void CandidatesFeature::ShowCandidates() {
  const session::Result& shown = core_.TheSession().Shown();
  panel_->Show(shown.candidates);
  panel_->SetEmptyText(
      shown.Failed()
          ? Translated(QT_TRANSLATE_NOOP("draftcalc", "No candidates: the construction has no answer for these rows."))
          : QString());
}

void CandidatesFeature::Retranslate() {
  panel_->Retranslate();
  const int selected = panel_->SelectedNumber();
  ShowCandidates();
  panel_->Select(selected);
}

// Candidates belong to the rows that were calculated: while the rows differ,
// the panel is greyed and cannot be picked from, and the picture leaves them
// out.
void CandidatesFeature::ShowFreshness(bool outOfDate) {
  const bool any = !core_.TheSession().Shown().candidates.empty();
  panel_->setEnabled(!outOfDate);
  next_->setEnabled(!outOfDate && any);
  previous_->setEnabled(!outOfDate && any);
  EnableUseAsRow();
}

void CandidatesFeature::Pick(int number) {
  session::Session& session = core_.TheSession();
  if (session.IsOutOfDate()) return;
  core_.Show(session.Pick(number));
  beforePick_();
  panel_->Select(session.Picked());
  panel_->setFocus();
  core_.Show(session::Session::Change::kNone);  // which line Ctrl+Shift+C copies
  EnableUseAsRow();
}

bool CandidatesFeature::Step(int step, bool wrap) {
  const session::Session::Stepped stepped = core_.TheSession().Step(step, wrap);
  if (stepped.number == 0) return false;
  core_.Show(stepped.change);
  beforePick_();
  panel_->Select(stepped.number);
  panel_->setFocus();
  core_.Show(session::Session::Change::kNone);
  EnableUseAsRow();
  return true;
}

// The nearest marker within reach of the click, as drawn.
bool CandidatesFeature::Click(QPointF pixel, const std::function<QPointF(double, double)>& pixelOf) {
  const session::Session& session = core_.TheSession();
  if (session.Shown().candidates.empty() || session.IsOutOfDate()) return false;
  const std::vector<geometry::Point> markers = view::MarkerPoints(session.Shown().candidates);
  int nearest = 0;
  double nearestDistance = kPickRadius;
  for (size_t i = 0; i < markers.size(); ++i) {
    const double distance = QLineF(pixelOf(markers[i].x, markers[i].y), pixel).length();
    if (distance < nearestDistance) nearest = static_cast<int>(i) + 1, nearestDistance = distance;
  }
  if (nearest == 0) return false;
  Pick(nearest);
  return true;
}

bool CandidatesFeature::CopiesCandidateLine() const { return panel_->hasFocus() && panel_->SelectedNumber() != 0; }

}  // namespace draftcalc::app
