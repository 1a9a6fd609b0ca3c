#pragma once
// A private CUPS server for the real print tests: cupsd on a socket in a fresh folder with
// virtual PDF printers (cups-pdf) whose output lands in that folder, and the attributes of the
// jobs it was given.

#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <utility>
#include <vector>

#ifdef VOLANTIS4_HAVE_CUPS
#include <cups/cups.h>
#endif

#include "print_test_support.h"

namespace volantis4::testing_support {

inline bool writeFile(const QString& path, const QString& content) {
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
    // The print service library keeps the first server address it was given for the whole process.
    static bool startedInThisProcess = false;
    if (startedInThisProcess) return "one private server per test process (ctest runs each test alone)";
    startedInThisProcess = true;
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
    // lpstat exits 0 also while nothing listens yet ("scheduler is not running"): wait for the answer.
    const QDeadlineTimer deadline(30000);
    while (runTool("lpstat", {"-h", socket_, "-r"}, 5).trimmed() != "scheduler is running") {
      if (cupsd_.state() != QProcess::Running) return "cupsd ended at start:\n" + log();
      if (deadline.hasExpired()) return "cupsd does not answer on its socket within 30 s";
      QThread::msleep(100);
    }
    if (QString why = lpadmin(queue_, kStockPpd); !why.isEmpty()) return why;
    qputenv("CUPS_SERVER", socket_.toUtf8());
    return {};
  }

  /// Adds a further cups-pdf queue named `suffix` after the first one, with the stock PPD changed
  /// by `replacements` (text, replacement); its name, or "" when it cannot be added.
  QString addQueue(const QString& suffix, const std::vector<std::pair<QString, QString>>& replacements) {
    QFile stock(kStockPpd);
    if (!stock.open(QIODevice::ReadOnly)) return {};
    QString ppd = QString::fromUtf8(stock.readAll());
    for (const auto& [from, to] : replacements) {
      if (!ppd.contains(from)) return {};
      ppd.replace(from, to);
    }
    const QString name = queue_ + suffix;
    const QString path = dir_.path() + "/" + name + ".ppd";
    const QString conf = QString("/etc/cups/cups-pdf-%1.conf").arg(name);
    QFile::remove(conf);
    if (!writeFile(path, ppd) || !QFile::copy(pdfConf_, conf)) return {};
    extraConfs_.push_back(conf);
    return lpadmin(name, path).isEmpty() ? name : QString();
  }

  /// Ends the server (the configuration stays until destruction).
  void stopServer() {
    if (cupsd_.state() == QProcess::NotRunning) return;
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(5000)) {
      cupsd_.kill();
      cupsd_.waitForFinished(2000);
    }
  }

  void stop() {
    stopServer();
    if (!pdfConf_.isEmpty()) QFile::remove(pdfConf_);
    for (const QString& conf : extraConfs_) QFile::remove(conf);
  }

  /// What the service recorded for the newest job on `queue`: its media and resolution.
  struct JobAttributes {
    QString media;
    int xDpi = 0, yDpi = 0;  // 0 without a printer-resolution attribute
  };
  static JobAttributes newestJob(const QString& queue) {
    JobAttributes found;
#ifdef VOLANTIS4_HAVE_CUPS
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    int id = 0;
    for (int i = 0; i < count; ++i) id = std::max(id, jobs[i].id);
    cupsFreeJobs(count, jobs);
    if (id == 0) return found;
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "all");
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (response == nullptr) return found;
    if (ipp_attribute_t* media = ippFindAttribute(response, "media", IPP_TAG_ZERO))
      found.media = QString::fromUtf8(ippGetString(media, 0, nullptr));
    if (ipp_attribute_t* res = ippFindAttribute(response, "printer-resolution", IPP_TAG_RESOLUTION)) {
      ipp_res_t units = IPP_RES_PER_INCH;
      found.xDpi = ippGetResolution(res, 0, &found.yDpi, &units);
    }
    ippDelete(response);
#else
    (void)queue;
#endif
    return found;
  }

  /// Waits (at most `seconds`) for a finished PDF in the output folder; its path or "".
  QString waitForPdf(int seconds) const {
    const QDeadlineTimer deadline(qint64{seconds} * 1000);
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

  /// Number of finished PDFs in the output folder.
  int pdfCount() const { return static_cast<int>(QDir(dir_.path() + "/out").entryList({"*.pdf"}, QDir::Files).size()); }

  QString queue() const { return queue_; }
  QString log() const {
    QFile f(dir_.path() + "/log/error_log");
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }

 private:
  static constexpr const char* kStockPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

  // Adds queue `name` printing through cups-pdf with the PPD at `ppd`; "" or why not.
  QString lpadmin(const QString& name, const QString& ppd) {
    QProcess lpadmin;
    lpadmin.setProcessChannelMode(QProcess::MergedChannels);
    lpadmin.start("/usr/sbin/lpadmin", {"-h", socket_, "-p", name, "-v", "cups-pdf:/" + name, "-P", ppd, "-o",
                                        "pdftops-renderer-default=pdftocairo", "-E"});
    if (!lpadmin.waitForFinished(30000) || lpadmin.exitCode() != 0)
      return "the PDF printer cannot be added: " + QString::fromLocal8Bit(lpadmin.readAll()).trimmed();
    return {};
  }

  QTemporaryDir dir_{"/tmp/volantis4-cups-XXXXXX"};
  QProcess cupsd_;
  QString queue_, socket_, pdfConf_;
  std::vector<QString> extraConfs_;
};

}  // namespace volantis4::testing_support
