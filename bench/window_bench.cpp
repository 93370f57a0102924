// From the focus leaving the second box to the eight boxes written: commit, solve, display.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>

#include "app/application.h"
#include "app/main_window.h"
#include "tests/app/fake_platform.h"

namespace vaporin {
namespace {

TForm1* Form = nullptr;

void LeaveSecondBox(benchmark::State& state, QLineEdit* first, const char* firstText,
                    QLineEdit* second, const char* secondText) {
  for (auto _ : state) {
    state.PauseTiming();
    // The lock's tick, then the boxes emptied as a new entry finds them.
    Form->Timer1Timer();
    for (QLineEdit* box : Form->Boxes()) box->clear();
    first->setText(QString::fromLatin1(firstText));
    second->setText(QString::fromLatin1(secondText));
    second->setFocus(Qt::MouseFocusReason);
    state.ResumeTiming();
    Form->Button1->setFocus(Qt::OtherFocusReason);
  }
  if (!Form->Core().DisplayLock()) state.SkipWithError("no display");
}

void DryBulbAndRelativeHumidity(benchmark::State& state) {
  LeaveSecondBox(state, Form->DB, "20", Form->RH, "50");
}
BENCHMARK(DryBulbAndRelativeHumidity)->Unit(benchmark::kMicrosecond);

// The slowest physical state of wet bulb with absolute humidity found on a scan.
void WetBulbAndAbsoluteHumidityWorst(benchmark::State& state) {
  LeaveSecondBox(state, Form->VH, "10.15", Form->WB, "27.95");
}
BENCHMARK(WetBulbAndAbsoluteHumidityWorst)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vaporin

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int qtArgc = 1;
  vaporin::VaporinApplication application(qtArgc, argv);
  vaporin::FakePlatform platform;
  platform.Separator = QStringLiteral(".");
  vaporin::TForm1 form(platform);
  form.show();
  form.activateWindow();
  // Let the window be shown and active, and its start-up tick pass.
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  vaporin::Form = &form;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
