#pragma once
// Page files (PDF, PNG) written whole or not at all: a page is rendered into memory, checked, and
// then saved as every file of the program is (files/atomic_write.h), with the same permission,
// owner and link rules and a temporary file that never stays behind.

#include <QByteArray>
#include <QString>
#include <optional>

#include "files/atomic_write.h"
#include "files/file_error.h"

class QImage;

namespace volantis4 {

/// Saves the rendered file `bytes` at `path`; nullopt when rendering failed, which is refused
/// like a failed write (nothing written). `write` replaces the write step (tests).
std::optional<FileError> writePageFile(const QString& path, const std::optional<QByteArray>& bytes,
                                       const WriteStep& write = {});

/// A finished PDF: begins with "%PDF-" and ends with its "%%EOF" line.
bool isWholePdf(const QByteArray& bytes);

/// `image` as PNG at `path`, written whole or not at all.
std::optional<FileError> savePng(const QImage& image, const QString& path, const WriteStep& write = {});

}  // namespace volantis4
