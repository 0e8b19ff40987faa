#pragma once
// Text tables of the settings dialog (OptionDlg) and of the parameter-set
// dialog (Parameter). Each langvalues fills its table in the named language;
// a name that is none of the seven changes nothing and gives false.

#include <string>

#include "lang/language.h"

namespace kortavex {

struct OptionTexts {
  std::string optRefHeight;
  std::string optEastingColumn;
  std::string optNorthingColumn;
  std::string optHeightColumn;
  std::string optHeights;  // the box: lines carry a third value, the height
  std::string optFileProcessing;  // heading of the file settings
  std::string optParameterSet;
  std::string optDelimiter;
  std::string optLanguage;
  std::string optCoordinateSystems;  // outer group box
  std::string optTitle;
  std::string optNationalSystems;      // group box of the national regions
  std::string optCurrentParameterSet;  // tool tip of the parameter-set name
};

struct ParameterTexts {
  std::string parTitle;
  std::string parHeading;
  std::string parDatum;
  std::string parBursaWolf;
  std::string parEllipsoid;
  std::string parProjection;
  std::string parNoProjection;  // item 0 of the projection list
  std::string parCentralMeridian;
  std::string parConicGroup;
  std::string parLatOrigin;
  std::string parNorthParallel;
  std::string parSouthParallel;
  std::string parFalseEasting;
  std::string parFalseNorthing;
  std::string parSetName;
  std::string parNameTip;
  std::string parSave;
  std::string parSaveTip;
  std::string parLoad;
  std::string parLoadTip;
  std::string parDelete;
  std::string parDeleteTip;
  std::string parChooseParamFile;  // message of the open-file dialog
  std::string parAskDelete;        // Yes/No question before deleting the file
  std::string parSaved;
  std::string parInvalidFile;
};

const TextRows<OptionTexts>& optionTextRows();
const TextRows<ParameterTexts>& parameterTextRows();

bool langvalues(OptionTexts& texts, const std::string& language);
bool langvalues(ParameterTexts& texts, const std::string& language);

}  // namespace kortavex
