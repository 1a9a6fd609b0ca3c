#pragma once
// The two paper sizes the pages are laid out for, and which one a printer or a locale uses.

#include <QPageSize>

class QLocale;

namespace volantis4 {

enum class Paper { A4, Letter };

/// Width and height of the sheet in mm, portrait (A4 210 × 297, Letter 215.9 × 279.4).
double paperWidthMm(Paper paper);
double paperHeightMm(Paper paper);

/// The sheet as Qt's page size.
QPageSize pageSizeOf(Paper paper);

/// Letter for a printer whose paper is US Letter (by name or within 1 pt of 612 × 792 pt, either
/// way round), A4 for every other size.
Paper paperOf(const QPageSize& printerPaper);

/// The paper of exports: Letter where the locale measures in US units or its country prints on
/// Letter (the United States, Canada, Mexico, the Philippines, Chile, Colombia, Venezuela, Puerto
/// Rico and Central America's Letter countries), A4 elsewhere.
Paper paperOfLocale(const QLocale& locale);

}  // namespace volantis4
