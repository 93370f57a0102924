// The yardstick for Vaporin's start: a plain Qt Widgets window with the same visible content
// (a title label, eight labelled line edits, a footer label), built the plainest way.
#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Yardstick"));
  auto* column = new QVBoxLayout(&window);
  column->addWidget(new QLabel(QStringLiteral("Vaporin Input 2 params(101.325kPa)")));
  auto* rows = new QFormLayout;
  for (const char* title :
       {" Dry Bulb Temperature[°C]", " Relative Humidity[%]:", " Absolute Humidity[g/m³]",
        " Specific Humidity[kg/kg(DA)]", " Dew Point Temperature[°C]", " Specific Enthalpy[kJ/kg]",
        " Wet Bulb Temperature[°C]", " Specific Volume[m³/kg]"}) {
    rows->addRow(QString::fromUtf8(title), new QLineEdit);
  }
  column->addLayout(rows);
  column->addWidget(new QLabel(QStringLiteral("© 2026 The Vaporin developers")));
  window.resize(288, 320);
  window.show();
  return QApplication::exec();
}
