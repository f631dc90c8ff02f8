#pragma once

#include <QAbstractScrollArea>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

namespace draftcalc::app {

// Every right-click menu of the window is made here, from actions the
// window owns, so that a menu entry and its keyboard shortcut are one action.
class ContextMenus {
 public:
  ContextMenus(QAction* copyAnswerLine, QAction* about) : copyAnswerLine_(copyAnswerLine), about_(about) {}

  // Gives an answer field its menu on a right click.
  void AttachToAnswerField(QLabel* field) const;
  // An answer field's menu: copy the field's selection (its whole text when
  // nothing is selected), and copy the whole answer line.
  std::unique_ptr<QMenu> AnswerFieldMenu(QLabel* field) const;
  // Gives the candidates panel its menu of the window's candidate actions
  // (nullptr: a separator).
  void AttachToCandidatePanel(QAbstractScrollArea* panel, std::initializer_list<QAction*> candidateActions);
  std::unique_ptr<QMenu> CandidatePanelMenu() const;

  // Gives the picture area its menu on a right click.
  void AttachToPicture(QWidget* picture) const;
  // The window's entries of the picture's menu (nullptr: a separator), and
  // what brings their state up to date before the menu shows.
  void SetPictureActions(std::initializer_list<QAction*> actions, std::function<void()> beforeShown);
  // The picture area's menu: the window's entries, then About.
  std::unique_ptr<QMenu> PictureMenu() const;

 private:
  QAction* copyAnswerLine_;
  std::vector<QAction*> candidateActions_;
  std::vector<QAction*> pictureActions_;
  std::function<void()> beforePictureMenu_;
  QAction* about_;
};

}  // namespace draftcalc::app
