#include "app/input_rows.h"

#include <QKeyEvent>

#include "app/look.h"
#include "csv/box_columns.h"

namespace draftcalc::app {
namespace {

// Design sizes in twips.
constexpr double kRowTop = 600, kRowStep = 240, kBoxHeight = 264;

// Left edge, width and text alignment of the boxes of each column.
struct ColumnPlace {
  double left, width;
  Qt::Alignment alignment;
};
constexpr std::array<ColumnPlace, kColumnCount> kColumnPlaces = {{
    {240, 972, Qt::AlignRight},
    {1320, 852, Qt::AlignRight},
    {2280, 492, Qt::AlignHCenter},
    {2880, 852, Qt::AlignRight},
    {3840, 852, Qt::AlignRight},
    {4800, 612, Qt::AlignRight},
    {5520, 732, Qt::AlignRight},
    {6360, 372, Qt::AlignHCenter},
}};
constexpr std::array<const char*, kColumnCount> kColumnCaptions = {"[  X  ]", "[  Y  ]", "[  D  ]", "[  A  ]",
                                                                   "[  B  ]", "[  C  ]", "[  R  ]", "[ S ]"};

}  // namespace

// Row by row, so that Tab moves through the boxes in reading order. The
// column header is made first, out of the boxes' focus chain, and raised
// over them: it lies over the first row's top edge, as designed.
InputRows::InputRows(QWidget* window, const TwipScale& scale, Handlers handlers)
    : QObject(window), handlers_(std::move(handlers)) {
  header_ = new ColumnHeader(window);
  header_->setObjectName("columnHeader");
  header_->setGeometry(scale.Rect(240, 360, 6492, 252));
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      const ColumnPlace& place = kColumnPlaces[static_cast<size_t>(column)];
      const size_t index = BoxIndex(row, static_cast<Column>(column));
      auto* box = new InputBox(window, place.alignment);
      box->setObjectName(Utf8(csv::BoxNameText({row, static_cast<Column>(column)})));
      box->setGeometry(scale.Rect(place.left, kRowTop + kRowStep * row, place.width, kBoxHeight));
      connect(box, &QLineEdit::returnPressed, this, [this] { handlers_.enter(); });
      connect(box, &QLineEdit::textChanged, this, [this, index](const QString& text) {
        if (!showing_) handlers_.typed(index, text);
      });
      box->installEventFilter(this);
      boxes_[index] = box;
    }
  }
  for (int column = 0; column < kColumnCount; ++column) {
    header_->AddCaption(QString::fromUtf8(kColumnCaptions[static_cast<size_t>(column)]),
                        boxes_[static_cast<size_t>(column)]->geometry());
  }
  header_->raise();
}

BoxTexts InputRows::Texts() const {
  BoxTexts texts;
  for (size_t i = 0; i < boxes_.size(); ++i) texts[i] = boxes_[i]->text().toStdString();
  return texts;
}

void InputRows::Show(const BoxTexts& texts) {
  showing_ = true;
  for (size_t i = 0; i < boxes_.size(); ++i) {
    const QString text = Utf8(texts[i]);
    if (boxes_[i]->text() != text) boxes_[i]->setText(text);
  }
  showing_ = false;
}

// A box's own undo goes first; once it has none, Ctrl+Z undoes what the
// program last did to the rows (setting a text empties a box's own undo).
bool InputRows::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const auto* box = static_cast<QLineEdit*>(watched);
  const QKeyCombination keys = key->keyCombination();
  const bool redo = key->matches(QKeySequence::Redo) || keys == QKeyCombination(Qt::CTRL | Qt::Key_Y) ||
                    keys == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
  if (key->matches(QKeySequence::Undo) && !box->isUndoAvailable()) return handlers_.undo();
  if (redo && !box->isRedoAvailable()) return handlers_.redo();
  return QObject::eventFilter(watched, event);
}

}  // namespace draftcalc::app
