// From the focus leaving the second box to the eight boxes written: commit, solve, display.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <string>

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

// The 20 °C / 50 % state as typed, for every pair of boxes whose quantities fix a state.
struct TypedPair {
  int Code;
  EditBox First;
  const char* FirstText;
  EditBox Second;
  const char* SecondText;
};

constexpr TypedPair Pairs[] = {
    {1, EditBox::DB, "20", EditBox::RH, "50"},
    {2, EditBox::DB, "20", EditBox::SH, "0.00726"},
    {3, EditBox::DB, "20", EditBox::ENH, "38.54"},
    {4, EditBox::DB, "20", EditBox::WB, "13.78"},
    {5, EditBox::DB, "20", EditBox::SV, "0.8403"},
    {6, EditBox::DB, "20", EditBox::VH, "8.64"},
    {12, EditBox::RH, "50", EditBox::SH, "0.00726"},
    {13, EditBox::RH, "50", EditBox::ENH, "38.54"},
    {14, EditBox::RH, "50", EditBox::WB, "13.78"},
    {15, EditBox::RH, "50", EditBox::SV, "0.8403"},
    {16, EditBox::RH, "50", EditBox::VH, "8.64"},
    {23, EditBox::SH, "0.00726", EditBox::ENH, "38.54"},
    {24, EditBox::SH, "0.00726", EditBox::WB, "13.78"},
    {25, EditBox::SH, "0.00726", EditBox::SV, "0.8403"},
    {26, EditBox::SH, "0.00726", EditBox::VH, "8.64"},
    {35, EditBox::ENH, "38.54", EditBox::SV, "0.8403"},
    {36, EditBox::ENH, "38.54", EditBox::VH, "8.64"},
    {45, EditBox::WB, "13.78", EditBox::SV, "0.8403"},
    {46, EditBox::WB, "13.78", EditBox::VH, "8.64"},
    {56, EditBox::SV, "0.8403", EditBox::VH, "8.64"},
    // The slowest realistic wet bulb with absolute humidity the engine benchmark's scan finds.
    {460, EditBox::WB, "38.5", EditBox::VH, "17.5"},
};

void RegisterPairs() {
  for (const TypedPair& pair : Pairs) {
    const std::string name = "LeaveSecondBox/code:" + std::to_string(pair.Code);
    benchmark::RegisterBenchmark(name.c_str(), [pair](benchmark::State& state) {
      LeaveSecondBox(state, Form->Box(pair.First), pair.FirstText, Form->Box(pair.Second),
                     pair.SecondText);
    })->Unit(benchmark::kMicrosecond);
  }
}

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
  vaporin::RegisterPairs();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
