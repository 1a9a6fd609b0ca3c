#include "print/page_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <cerrno>
#include <string_view>

namespace volantis4 {

std::optional<FileError> writePageFile(const QString& path, const std::optional<QByteArray>& bytes,
                                       const WriteStep& write) {
  if (!bytes || bytes->isEmpty()) return FileError::cannotWrite(path.toStdString(), EIO, QFileInfo::exists(path));
  return writeFileAtomically(path.toStdString(),
                             std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())), write);
}

bool isWholePdf(const QByteArray& bytes) {
  return bytes.startsWith("%PDF-") &&
         (bytes.endsWith("%%EOF\n") || bytes.endsWith("%%EOF\r\n") || bytes.endsWith("%%EOF"));
}

std::optional<FileError> savePng(const QImage& image, const QString& path, const WriteStep& write) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  std::optional<QByteArray> png;
  if (buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG")) png = bytes;
  return writePageFile(path, png, write);
}

}  // namespace volantis4
