#pragma once
// The language flag and the one table of fixed texts that every caption, label and drawing consults.

#include <string_view>

namespace volantis4 {

enum class Language { English, German };

/// Fixed texts of the system in both languages (the window's caption sets extend this table).
enum class TextId {
  // Wing page result captions.
  CaptionSpan,
  CaptionArea,
  CaptionMeanChord,
  CaptionGeometricCentre,
  CaptionAspectRatio,
  CaptionAerodynamicCentre,
  // Gap notice on a wing page, two lines.
  GapNoticeLine1,
  GapNoticeLine2,
  // Remarks start text.
  RemarksStart,
  // Main window: title, caption, the caption sets of the window (in this order: ids that differ
  // only by a wing or trapezium number follow each other, first one named ...1).
  AppTitle,
  WindowCaption,
  StabilityCaption,
  PositioningCaption,
  RunningIndicator,
  Trapezia1,
  Trapezia2,
  Trapezia3,
  Trapezia4,
  CalculateButton,
  TabWing1,
  TabWing2,
  TabWing3,
  TabWing4,
  TabWing5,
  TabAircraft,
  TabRemarks,
  WingsCount1,
  WingsCount2,
  WingsCount3,
  WingsCount4,
  WingsCount5,
  StabilityAutomatic,
  StabilityManual,
  PositionImageTitle1,
  PositionImageTitle2,
  PositionImageTitle3,
  PositionImageTitle4,
  PositionImageTitle5,
  PressureCheck,
  PressureNote,
  MenuEdit,
  MenuWing1,
  MenuWing2,
  MenuWing3,
  MenuAircraft,
  MenuCopyWing,
  MenuInsertCopiedWing,
  MenuExchange1,
  MenuExchange2,
  MenuExchange3,
  MenuExchange4,
  MenuExchange5,
  // Undo and redo: the menu items, their captions naming a step, and the steps' names.
  MenuUndo,
  MenuRedo,
  UndoStep,       // step
  RedoStep,       // step
  StepFieldEdit,  // field, wing
  StepTrapezia,   // wing
  StepWingsCount,
  StepDrag,      // wing
  StepInsert,    // wing
  StepExchange,  // wing, wing
  StepMovedHeights,
  StepBalanceMode,  // the balance inputs, in the order of BalanceInput (%1 the support)
  StepBalanceCg,
  StepBalanceMass,
  StepBalanceSupportX,
  StepBalanceSupportMass,
  StepBalanceTarget,
  StepBalanceBallast,
  StepBalanceMoveMass,
  FieldGap,
  FieldRootChord,
  FieldChord,   // section
  FieldWidth,   // trapezium
  FieldOffset,  // section
  FieldPositionX,
  FieldPositionZ,
  MenuFile,
  MenuOpen,
  MenuSaveAs,
  MenuSave,
  MenuPrint,
  MenuExit,
  MenuLanguage,
  MenuLanguageItem,
  MenuFrench,
  MenuSpanish,  // hidden, disabled
  MenuInfo,
  TopViewFlightDirection,
  CopyWingButton1,
  CopyWingButton2,
  CopyWingButton3,
  CopyWingButton4,
  CopyWingButton5,
  InsertCopiedWingButton,
  // The window's built-in captions where they differ from the English set (shown until the first switch).
  BuiltinTabWing1,
  BuiltinTabWing2,
  BuiltinTabWing3,
  BuiltinTabWing4,
  BuiltinTabWing5,
  BuiltinTabAircraft,
  BuiltinTabRemarks,
  BuiltinMenuWing1,
  BuiltinMenuWing2,
  BuiltinMenuWing3,
  BuiltinCopyWingButton1,
  BuiltinCopyWingButton2,
  BuiltinCopyWingButton3,
  BuiltinCopyWingButton4,
  BuiltinCopyWingButton5,
  // Tool-bar hints.
  HintOpen,
  HintSaveAs,
  HintSave,
  HintPrint,
  HintCalc,
  // Information window.
  InfoCaption,
  InfoLine1,
  InfoLine2,
  InfoLine3,
  InfoIdea,
  InfoContact,
  InfoRealisation,
  InfoWeb,
  // The unsaved-changes question: before + file name + after, and its three answers.
  SaveChangesBefore,
  SaveChangesAfter,
  AnswerSave,
  AnswerDiscard,
  AnswerCancel,
  // Input sketch and planform drawing of the wing pages.
  SketchFlightDirection,
  AxisLabelX,
  AxisLabelY,
  // File errors: %1 is the file name, %2 the reason or a count, %3 a second count.
  FileCannotOpen,
  FileCannotRead,
  FileTooLarge,
  FileNotText,
  FileFilterPattern,
  FileSavePattern,
  FileWingCountMissing,
  FileWingCountRange,
  FileSectionCount,
  FileSectionCountOne,
  FileLegacyWingCount,
  FileLegacyTrapezia,
  FileLegacyTrapeziaOne,
  FileIncomplete,
  FileIncompleteKeptCopy,
  FileOpenKeptCopy,  // the window's question after FileIncompleteKeptCopy
  FileTrailingContent,
  FileBalanceValue,
  FileBalanceReadings,
  FileBalanceMissing,
  FileBalanceRepeated,
  FileBalanceNotClosed,
  FileBalanceOutside,
  FileBalanceCrowded,
  FileBalanceSecondBlock,
  // What a balance value must be (%1, %2: the limits).
  BalanceExpectPosition,
  BalanceExpectReadingMass,
  BalanceExpectMoveMass,
  BalanceExpectTotalMass,
  OptionValueUnusable,  // an option (%1) and its value (%2) that cannot be used
  BalanceExpectTarget,
  FileCannotWrite,
  FileCannotWriteUnchanged,
  FileRemarksTooLong,
  FileWriteDamaged,
  FileRemarksReplaced,
  FileRemarksReplacedOne,
  // Reasons the system gives for a failed file operation.
  ReasonNotFound,
  ReasonNoPermission,
  ReasonIsFolder,
  ReasonNotRegular,
  ReasonDiskFull,
  ReasonReadOnly,
  ReasonNameTooLong,
  ReasonFolderNoPermission,
  ReasonFileAndFolderNoPermission,
  ReasonNoBackup,
  ReasonSystemError,
  // Printed summary page: title, summary lines, wing block labels (left column, right column).
  PrintTitle,
  PrintSummary,
  PrintAerodynamicCentre,
  PrintCgHigh,
  PrintCgLow,
  PrintCgManual,
  PrintWing,
  PrintSpan,
  PrintArea,
  PrintAspectRatio,
  PrintMeanChord,
  PrintGeometricCentre,
  PrintWingAerodynamicCentre,
  PrintLiftSlope,
  PrintResultsOutdated,  // the added line of a page whose results are older than its aircraft
  // Stability report: %1 … %5 are numbers or names filled in as the comments say.
  ReportTitle,
  ReportNeutralPoint,  // xnp, from root LE, % MAC
  ReportReference,     // wing, R, lmue, sb in dm²
  ReportLeadingEdge,   // x_le_ref, from root LE
  ReportCg,            // name, margin, x, from root LE, % MAC
  ReportCgLow,         // names of the three positions
  ReportCgHigh,
  ReportCgManual,
  ReportAccuracy,       // panels, xnp_fine, xnp_converged, band mm, band % MAC
  ReportAccuracyNone,   // followed by the stages' lines
  ReportSurface,        // wing, lift share %
  ReportSurfaceSlope,   // slope, slope alone, effectiveness
  ReportSurfaceVolume,  // volume coefficient
  ReportSurfaceChange,  // mm per 10 mm
  ReportNotAvailable,
  ReportBalance,                 // x_cg, from root LE, total mass
  ReportBalanceMargin,           // static margin
  ReportBalanceTarget,           // target name, target x, shift
  ReportBalanceBallast,          // position from root LE, grams
  ReportBalanceUnreachable,      // position from root LE
  ReportBalanceMove,             // grams, mm
  ReportBalanceMoveBeyondReach,  // grams
  ReportNeutralPointStored,      // xnp, from root LE, wing, % MAC
  ReportBalanceBy,               // which figures to balance by
  ReportBalanceByStored,
  ReportLatticeNeedsRun,  // results from a file: the lattice figures need Calculate
  ReportBehind,           // a distance from the root leading edge, in words: behind it, or ahead of it
  ReportAheadOf,
  ReportAft,  // a shift, in words: aft or forward
  ReportForward,
  // Validation against published lift slopes.
  ValidateTitle,
  ValidateWarren12,
  ValidateSwept45,
  ValidateRectangle6,
  ValidateSourceLiftingSurface,
  ValidateSourceMeasured,
  ValidateSourceHelmbold,
  ValidatePublished,  // value, source
  ValidateComputed,   // value, panels, deviation %
  ValidateNote1,
  ValidateNote2,
  // Printer window and PDF export.
  PrinterCaption,
  PrinterResolution,
  PrinterColour,
  PrinterCancel,
  PrinterPrint,
  PrinterGridIndex,
  PrinterGridResolution,
  PrinterNone,
  PrinterServiceDown,
  PrinterNoResolutions,
  PrinterFailed,
  PrinterSaveAsPdf,
  PdfReportLeftOut,  // why an exported PDF has no report pages
  ReportPageNumber,  // in a report page's foot: %1 the page, %2 the pages
  MenuExportPdf,
  MenuExportTemplate,
  TemplateTitle,
  TemplateDistances,
  TemplateRoot,
  TemplateFlight,
  // The template's numbered steps, the last one for the pair of centres of gravity or the manual one.
  TemplateStepPrint,
  TemplateStepCut,
  TemplateStepLay,
  TemplateStepMark,
  TemplateStepBalanceRange,
  TemplateStepBalanceManual,
  // A mark's direction from the root leading edge, and the labels of the mark lines.
  TemplateAhead,
  TemplateBehind,
  TemplateOffPage,
  TemplateLineRootLe,
  TemplateLineMeanChordLe,   // distance, direction
  TemplateLineCg,            // margin, distance, direction, per cent of the mean chord
  TemplateLineNeutralPoint,  // distance, direction, per cent of the mean chord
  TemplateNoRun,
  TemplateNeedsCalculation,  // tooltip of the disabled template command
  PdfFilter,
  MenuAnalysis,
  MenuLiveResults,
  MenuRecentFiles,
  // Tooltips of the input fields, one per field kind in the order of FieldKind (%1 the wing, %2
  // the trapezium or section), of the margin field, and of the result labels in the order of
  // their captions (%1 the wing).
  TipGap,
  TipWidth,
  TipOffset,
  TipChord,
  TipPositionX,
  TipPositionZ,
  TipMargin,
  TipSpan,
  TipArea,
  TipMeanChord,
  TipGeometricCentre,
  TipAspectRatio,
  TipAerodynamicCentre,
  TipMarginResult,
  // How a field's text was read when not whole (%1 the value read).
  TipReadJunk,
  TipReadSign,
  TipReadClamped,
  TipReadNoDigit,
  // Stability report window: menu item, headings of its parts, figures still being computed.
  MenuStabilityReport,
  ReportHeadingPosition,
  ReportHeadingAccuracy,
  ReportHeadingSurfaces,
  ReportHeadingBalance,
  ReportPending,
  ReportAccuracyPending,
  ReportNoResults,
  ReportBalanceInputsHeading,
  ReportBalanceMeasured,  // the two ways of weighing
  ReportBalanceSupports,
  ReportBalanceCg,  // input captions
  ReportBalanceMass,
  ReportBalanceSupportsHint,
  ReportBalanceAddSupport,
  ReportBalanceTargetCaption,
  ReportBalanceBallastCaption,
  ReportBalanceMoveCaption,
  ReportBalanceIncomplete,
  ChordBarLeadingEdge,  // marks of the reference-chord figure
  ChordBarTrailingEdge,
  ChordBarNeutralPoint,
  ChordBarCgRange,
  ChordBarManualCg,
  ChordBarWeighedCg,
  FuselageTooFewStations,  // fuselage inputs that cannot be used
  FuselageTooManyStations,
  FuselageNotIncreasing,
  FuselageNegativeWidth,
  FuselageAxisRange,
  FuselagePositionRange,
  FuselageWidthRange,
  FileFuselage,  // a refused fuselage block: file, line, what is wrong
  FuselageNotWholeMillimetres,
  FuselageGivenTwice,
  FuselageOutsideBlock,
  FuselageOutsideStation,
  FuselageInStation,
  FuselageSecondBlock,
  FuselageNotClosed,
  FuselageNotOpened,
  FuselageStationIncomplete,
  ReportHeadingFuselage,
  ReportHeadingLimits,
  ReportFuselage,
  ReportFuselageLattice,
  ReportFuselageChart,
  ReportFuselageSpread,
  ReportFuselageChartRange,
  ReportFuselageChartLayout,
  ReportFuselageNeutralPoint,
  ReportFuselageCg,
  ReportFuselageSuspect,
  ReportFuselageNone,
  ReportLimitsLattice,
  ReportLimitsLatticeUnknown,
  ReportLimitsFuselage,
  ReportLimitsFuselageNoChart,
  ReportLimitsFuselageNone,
  ReportLimitsPropeller,
  ReportLimitsAirfoil,
  ReportLimitsTail,
  ReportLimitsViscosity,
  ReportLimitsBalanceByFuselage,
  ReportLimitsBalanceBy,
  TemplateWithFuselage,
  TabFuselage,
  FuselagePageExplanation,
  FuselageColumnX,
  FuselageColumnWidth,
  FuselageAddStation,
  FuselageRemoveStation,
  FuselageAxisCaption,
  FuselageCellNotWhole,
  FuselageNone,
  FuselageAxisNotWhole,
  FuselageNotUsed,
  FuselageUsed,
  // The report beside the drawings, and the page that explains its terms.
  MenuReportDocked,
  MenuReportHelp,
  ReportDockTitle,
  ReportTipPosition,  // tooltips of the report's parts
  ReportTipAccuracy,
  ReportTipSurfaces,
  HelpTitle,
  HelpText,  // rich text
  ReportBalanceByFuselage,
  ReportFuselageNeedsRun,
  StepFuselage,
  TipMarginRefused,
  Count  // not a text: the number of texts, which the table must match entry for entry
};

/// The text of `id` in `language`, exactly as shown (blanks included). Every id has both.
std::string_view text(TextId id, Language language);

}  // namespace volantis4
