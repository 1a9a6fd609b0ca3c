// A real print: a private CUPS server with a virtual PDF printer (cups-pdf) on a local socket,
// the summary printed through the printer window and the Qt print layer, and the PDF that
// arrives read back with pdftotext. Skips only where the server cannot be started here.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>

#include "../views/qt_app.h"
#include "print/printer_window.h"
#include "print_test_support.h"

namespace volantis4 {
namespace {

using testing_support::runTool;

bool writeFile(const QString& path, const QString& content) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return f.write(content.toUtf8()) == content.toUtf8().size();
}

class CupsServer {
 public:
  ~CupsServer() { stop(); }

  /// Starts cupsd on a socket in a fresh folder and adds a cups-pdf queue; "" or why not.
  QString start() {
    if (geteuid() != 0) return "the cups-pdf backend runs only for root";
    for (const char* path : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/lib/cups/backend/cups-pdf",
                             "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"})
      if (!QFileInfo::exists(path)) return QString("%1 is not installed").arg(path);
    if (!testing_support::haveTool("pdftotext") || !testing_support::haveTool("pdfinfo"))
      return "poppler-utils are not installed";
    if (!dir_.isValid()) return "no temporary folder";
    const QString d = dir_.path();
    QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                 QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                 QFileDevice::ExeOther);
    for (const char* sub : {"root", "spool", "tmp", "cache", "state", "log", "out", "pdfspool"}) QDir(d).mkpath(sub);
    for (const char* open : {"tmp", "out", "pdfspool"}) ::chmod(QFile::encodeName(d + "/" + open).constData(), 01777);
    queue_ = QString("volantis4test%1").arg(::getpid());
    socket_ = d + "/cups.sock";
    pdfConf_ = QString("/etc/cups/cups-pdf-%1.conf").arg(queue_);
    const bool written =
        writeFile(d + "/cups-files.conf",
                  QString("ServerRoot %1/root\nRequestRoot %1/spool\nTempDir %1/tmp\nCacheDir %1/cache\n"
                          "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                          "PageLog %1/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                          "FileDevice No\nSandboxing Relaxed\n")
                      .arg(d)) &&
        writeFile(d + "/cupsd.conf", QString("Listen %1\nLogLevel info\nBrowsing No\nWebInterface No\n"
                                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                                             "</Policy>\n")
                                         .arg(socket_)) &&
        // cups-pdf reads the configuration named after its queue's device URI.
        writeFile(pdfConf_,
                  QString("Out %1/out\nAnonDirName %1/out\nSpool %1/pdfspool\nLog %1/log\nGrp root\n").arg(d));
    if (!written) return "the server's configuration cannot be written";

    cupsd_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    cupsd_.start("/usr/sbin/cupsd", {"-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf"});
    if (!cupsd_.waitForStarted(5000)) return "cupsd did not start";
    const QDeadlineTimer deadline(15000);
    while (runTool("lpstat", {"-h", socket_, "-r"}, 5).isEmpty()) {
      if (deadline.hasExpired() || cupsd_.state() != QProcess::Running) return "cupsd does not answer on its socket";
      QThread::msleep(200);
    }
    QProcess lpadmin;
    lpadmin.start("/usr/sbin/lpadmin",
                  {"-h", socket_, "-p", queue_, "-v", "cups-pdf:/" + queue_, "-P",
                   "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd", "-o", "pdftops-renderer-default=pdftocairo", "-E"});
    if (!lpadmin.waitForFinished(15000) || lpadmin.exitCode() != 0) return "the PDF printer cannot be added";
    qputenv("CUPS_SERVER", socket_.toUtf8());
    return {};
  }

  void stop() {
    if (cupsd_.state() != QProcess::NotRunning) {
      cupsd_.terminate();
      if (!cupsd_.waitForFinished(5000)) {
        cupsd_.kill();
        cupsd_.waitForFinished(2000);
      }
    }
    if (!pdfConf_.isEmpty()) QFile::remove(pdfConf_);
  }

  /// Waits (at most `seconds`) for a finished PDF in the output folder; its path or "".
  QString waitForPdf(int seconds) const {
    const QDeadlineTimer deadline(seconds * 1000);
    while (!deadline.hasExpired()) {
      const QFileInfoList files = QDir(dir_.path() + "/out").entryInfoList({"*.pdf"}, QDir::Files);
      // cups-pdf renames the file into place when Ghostscript has finished.
      if (!files.isEmpty() && files.first().size() > 0 &&
          runTool("pdfinfo", {files.first().filePath()}, 10).contains("Pages:"))
        return files.first().filePath();
      QThread::msleep(250);
    }
    return {};
  }

  QString queue() const { return queue_; }
  QString log() const {
    QFile f(dir_.path() + "/log/error_log");
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }

 private:
  QTemporaryDir dir_{"/tmp/volantis4-cups-XXXXXX"};
  QProcess cupsd_;
  QString queue_, socket_, pdfConf_;
};

TEST(RealPrint, SummaryArrivesAsOnePdfPageFromTheVirtualPrinter) {
  testing_support::qtApp();
  CupsServer server;
  if (const QString why = server.start(); !why.isEmpty())
    GTEST_SKIP() << "no private CUPS server: " << why.toStdString();

  QtPrintLayer layer;
  const int index = static_cast<int>(layer.printerNames().indexOf(server.queue()));
  ASSERT_GE(index, 0) << layer.printerNames().join(",").toStdString();
  PrinterDialog window(layer);
  auto* list = window.findChild<QComboBox*>("ComboBox1");
  list->setCurrentIndex(index);
  window.ComboBox1Change();
  auto* grid = window.findChild<QTableWidget*>("StringGrid2");
  ASSERT_GT(grid->rowCount(), 0) << "the virtual printer reports no resolutions";
  EXPECT_TRUE(window.findChild<QCheckBox*>("CheckBoxColor")->isEnabled());

  const Document doc = testing_support::calculatedDocument();
  window.setPage(testing_support::pageOf(doc), doc.run.solver_wings_count);
  window.show();
  window.ButtonCloseClick();
  EXPECT_TRUE(window.notice().isEmpty()) << window.notice().toStdString();

  const QString pdf = server.waitForPdf(90);
  ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived; server log:\n" << server.log().toStdString();
  EXPECT_TRUE(runTool("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
  const QString text = runTool("pdftotext", {"-layout", pdf, "-"}).simplified();
  for (const char* line : {"Summary:", "aerodynamic center:", "Recommended center of gravity by stab = 16%:",
                           "recomemnded center of gravity by stab = 8%:", "Center of gravity by stab = 7.5%:", "Wing1:",
                           "Wing5:", "lift slope:"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
}

}  // namespace
}  // namespace volantis4
