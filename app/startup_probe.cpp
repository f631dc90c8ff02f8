#include "app/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace draftcalc::app {
namespace {

class FirstExposure final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && !done_) {
      done_ = true;
      const auto now = std::chrono::steady_clock::now().time_since_epoch();
      std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
      std::fflush(stdout);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool done_ = false;
};

}  // namespace

void InstallStartupProbe(QWidget& window) {
  if (std::getenv("DRAFTCALC_STARTUP_PROBE") == nullptr) return;
  window.winId();  // the native window must exist to watch its exposure
  window.windowHandle()->installEventFilter(new FirstExposure(&window));
}

}  // namespace draftcalc::app
