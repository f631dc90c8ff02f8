// The yardstick for start-up time and memory: a bare Qt Widgets window with
// one line edit, one button, one label, one list and one painted widget.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "app/startup_probe.h"

namespace {

class Painted final : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawLine(0, 0, width(), height());
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLineEdit);
  layout->addWidget(new QPushButton("button"));
  layout->addWidget(new QLabel("label"));
  auto* list = new QListWidget;
  list->addItem("item");
  layout->addWidget(list);
  layout->addWidget(new Painted);
  window.resize(620, 500);
  draftcalc::app::InstallStartupProbe(window);
  window.show();
  return QApplication::exec();
}
