// draftcalc: the calculator window.
#include <QApplication>

#include "app/form_miret.h"
#include "app/startup_probe.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  draftcalc::app::Form_miret form;
  draftcalc::app::InstallStartupProbe(form);
  form.show();
  return QApplication::exec();
}
