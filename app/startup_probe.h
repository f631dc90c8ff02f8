#pragma once

#include <QWidget>

namespace draftcalc::app {

// With DRAFTCALC_STARTUP_PROBE set in the environment, the program prints
// the monotonic clock (nanoseconds) when the window is first exposed on the
// screen, and quits: start-up benchmarks time the road to a mapped window.
void InstallStartupProbe(QWidget& window);

}  // namespace draftcalc::app
