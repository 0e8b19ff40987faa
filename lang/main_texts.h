#pragma once
// The main window's text table: labels, tool tips, menu texts and messages.
// "\n" in a text is a line break, "\t" a tab; in menu texts "&" marks the
// mnemonic letter and a tab followed by a key name makes it the accelerator.

#include <string>

#include "lang/language.h"

namespace kortavex {

struct MainTexts {
  // Labels of the window's controls.
  std::string lblInputSystem;     // caption of the start-system list
  std::string lblOutputSystem;    // caption of the target-system list
  std::string lblTransformation;  // caption of the transformation-type list
  std::string lblDms;             // caption of the degrees/minutes/seconds box
  std::string btnFrameCheck;
  std::string btnFile;       // file conversion; also the first menu's title after a language change
  std::string btnFileArrow;  // import and export buttons
  std::string btnClear;      // both clear buttons
  std::string lblPointNumber;
  std::string btnPoint;
  std::string lblValuesHint;  // hint under the input window
  std::string stsTitle;       // status bar field 1
  std::string stsNoCoordinateLine;  // status bar field 1 after a run that found nothing to convert
  std::string dlgChooseFile;  // message of the open and save dialogs
  std::string lblBlack;       // colour legend: the text of the lines, dark on light text windows
  std::string lblWhite;       // and light on dark ones
  std::string lblBlue;
  std::string lblRed;

  // Menus.
  std::string mnuExit;
  std::string mnuTransformation;  // title of the second menu
  std::string mnuOptions;         // title of the third menu
  std::string mnuManualParameters;
  std::string mnuQuickInfo;   // accelerator F2
  std::string mnuSystemList;  // also the caption of the system-list box
  std::string mnuFrames;      // also the caption of the coordinate-frame box
  std::string mnuHistory;
  std::string mnuAbout;        // accelerator F1
  std::string mnuHelp;         // title of the fourth menu
  std::string mnuFileInitial;  // title of the first menu when the menu bar is built
  std::string mnuSettings;

  // Tool tips; tipFileConvert, tipLeftWindowConvert and tipPointConvert are
  // also the items of the transformation menu.
  std::string tipTransformationType;
  std::string tipClearInput;
  std::string tipClearOutput;
  std::string tipDms;
  std::string tipVisitWebsite;
  std::string tipFileConvert;
  std::string tipLeftWindowConvert;
  std::string tipImportFile;
  std::string tipPointConvert;
  std::string tipCheckInput;
  std::string tipCreateFile;
  std::string tipPointNumbering;
  std::string tipConversion;
  std::string tipCoordinateOk;
  std::string tipOutsideFrame;
  std::string tipOutsideGrid;

  // Messages.
  std::string msgSelectSystems;
  std::string msgSameSystem;
  std::string msgNoValidSystem;
  std::string msgBetaOnlyDhdn;
  std::string msgAtGridOnlyMgi;
  std::string msgChenyxOnlyCh1903;
  std::string msgBetaFileMissing;    // names the download page of the grid file
  std::string msgAtGridFileMissing;  // likewise
  std::string msgChenyxFileMissing;  // likewise
  std::string msgGridFileInvalid;
  std::string msgGridLookedIn;  // before the folders searched for a missing grid
  std::string lblEllipsoidal;  // first entry of the height-system lists: heights on the ellipsoid
  std::string tipHeightSystem;
  std::string msgHeightsIn;             // "Heights in" <height system> ": " <why>
  std::string msgHeightGridNotFound;    // after the files of a height system found nowhere
  std::string msgHeightGridPublisher;   // before who publishes the grid, and where
  std::string msgEnterNumber;
  std::string msgColumnsEqual;
  std::string msgMgrsFaulty;  // ends with a line break
  std::string msgMgrsFileNotDirect;
  std::string msgFileExists;  // caption of the overwrite question
  std::string msgOverwrite;
  std::string msgTarget;           // "Target:" <file>
  std::string msgTargetGenerated;  // <file> " Target generated!\n* (" <count>
  std::string msgLinesConverted;   // <count> " lines converted)\n"
  std::string msgOutsideFrame;
  std::string msgOutsideGrid;
  std::string msgLinesWithoutResult;  // <count> " " <text> ": 4, 9, 17"
  std::string msgLinesNotRead;        // <count> " " <text> ": 4, 9, 17"
  std::string msgNotRead;             // why a line got "*" values: it holds no two numbers
  std::string msgNoGridValue;         // likewise: the grid has no shift value there
  std::string msgNoPosition;          // likewise: the result is no position
  std::string msgNoLineConverted;     // <text> ": ';' 2,3" (the delimiter and the columns)
  std::string msgUtf16File;           // <file> <text>
  std::string stsLinesConverted;      // status bar: <count> " " <text>, then the other counts
  std::string msgTargetKept;          // <file> <text>: a copy that came during the run
  std::string msgSourceChanged;       // <file> <text>: a source that changed while it was read
  std::string msgActionStopped;       // <text> "\n" <reason>: an error the action did not expect
  std::string msgOutOfMemory;         // the reason when memory ran out
};

// The rows of the table, one per key.
const TextRows<MainTexts>& mainTextRows();

// Fills every text of `texts` in the named language. A name that is none of
// the seven changes nothing and gives false.
bool langset(MainTexts& texts, const std::string& language);

}  // namespace kortavex
