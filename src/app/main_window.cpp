#include "ui/main_window.h"

#include <QApplication>
#include <QIcon>

#include "ui/info_window.h"
#include "ui/print_layer.h"
#include "ui/printer_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Volantis4"));
  // The installed menu entry and icon: the desktop ties the window to them by these names.
  QApplication::setDesktopFileName(QStringLiteral("volantis4"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("volantis4")));
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();

  volantis4::QtPrintLayer printers;  // outlives the windows
  volantis4::MainWindow window(arguments);
  auto* info = new volantis4::InfoWindow(&window);
  auto* printer = new volantis4::PrinterDialog(printers, &window);
  window.setInfoWindow(info);
  window.setPrinterWindow(printer);
  window.show();
  return QApplication::exec();
}
