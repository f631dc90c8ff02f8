#include "app/context_menus.h"

#include <QClipboard>
#include <QGuiApplication>

#include "app/language.h"

namespace draftcalc::app {

void ContextMenus::AttachToAnswerField(QLabel* field) const {
  field->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(field, &QWidget::customContextMenuRequested, field,
                   [this, field](const QPoint& at) { AnswerFieldMenu(field)->exec(field->mapToGlobal(at)); });
}

std::unique_ptr<QMenu> ContextMenus::AnswerFieldMenu(QLabel* field) const {
  auto menu = std::make_unique<QMenu>();
  QAction* copy = menu->addAction(Translated(QT_TRANSLATE_NOOP("draftcalc", "Copy")), field, [field] {
    QGuiApplication::clipboard()->setText(field->hasSelectedText() ? field->selectedText() : field->text());
  });
  copy->setEnabled(!field->text().isEmpty());
  menu->addAction(copyAnswerLine_);
  return menu;
}

// The position a scroll area reports is in its viewport's coordinates.
void ContextMenus::AttachToCandidatePanel(QAbstractScrollArea* panel,
                                          std::initializer_list<QAction*> candidateActions) {
  candidateActions_ = candidateActions;
  panel->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(panel, &QWidget::customContextMenuRequested, panel,
                   [this, panel](const QPoint& at) { CandidatePanelMenu()->exec(panel->viewport()->mapToGlobal(at)); });
}

std::unique_ptr<QMenu> ContextMenus::CandidatePanelMenu() const {
  auto menu = std::make_unique<QMenu>();
  for (QAction* action : candidateActions_) {
    if (action == nullptr) {
      menu->addSeparator();
    } else {
      menu->addAction(action);
    }
  }
  return menu;
}

void ContextMenus::AttachToPicture(QWidget* picture) const {
  picture->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(picture, &QWidget::customContextMenuRequested, picture,
                   [this, picture](const QPoint& at) { PictureMenu()->exec(picture->mapToGlobal(at)); });
}

void ContextMenus::SetPictureActions(std::initializer_list<QAction*> actions, std::function<void()> beforeShown) {
  pictureActions_ = actions;
  beforePictureMenu_ = std::move(beforeShown);
}

std::unique_ptr<QMenu> ContextMenus::PictureMenu() const {
  if (beforePictureMenu_) beforePictureMenu_();
  auto menu = std::make_unique<QMenu>();
  for (QAction* action : pictureActions_) {
    if (action == nullptr) {
      menu->addSeparator();
    } else {
      menu->addAction(action);
    }
  }
  if (!pictureActions_.empty()) menu->addSeparator();
  menu->addAction(about_);
  return menu;
}

}  // namespace draftcalc::app
