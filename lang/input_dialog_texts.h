#pragma once
// Text tables of the dialogs that ask for one point: easting/northing
// (EingabeDlg1), decimal degrees (EingabeDlg2), degrees/minutes/seconds
// (EingabeDlg3) and UTM/MGRS (EingabeDlgUTM). Each langvalues fills its table
// in the named language; a name that is none of the seven changes nothing and
// gives false.

#include <string>

#include "lang/language.h"

namespace kortavex {

struct ProjectedInputTexts {
  std::string dlgTitle;
  std::string lblHeading;
  std::string lblEasting;
  std::string lblNorthing;
};

struct GeographicInputTexts {
  std::string dlgTitle;
  std::string lblHeading;
  std::string lblPhi;
  std::string lblLambda;
  std::string btnDms;        // opens the degrees/minutes/seconds dialog
  std::string tipDmsButton;
  std::string msgNumber;     // the degrees/minutes/seconds hold no number
};

struct DmsInputTexts {
  std::string dlgTitle;
  std::string lblHeading;
  std::string lblPhi;
  std::string lblLambda;
  std::string msgPhiSeconds;     // seconds given with fractional minutes
  std::string msgLambdaSeconds;
};

struct UtmInputTexts {
  std::string dlgTitle;
  std::string lblHeading;
  std::string tipUtmButton;
  std::string tipExamplePrefix;  // followed directly by the example reference
  std::string msgMgrsEmpty;
  std::string msgMgrsInvalid;
  std::string msgMgrsOutsideBand;
  std::string msgZoneInvalid;  // the zone field holds no zone 1-60 with its hemisphere
};

// The example reference of the MGRS field's tool tip.
inline constexpr char kMgrsExample[] = "33UVP178052";

const TextRows<ProjectedInputTexts>& projectedInputTextRows();
const TextRows<GeographicInputTexts>& geographicInputTextRows();
const TextRows<DmsInputTexts>& dmsInputTextRows();
const TextRows<UtmInputTexts>& utmInputTextRows();

bool langvalues(ProjectedInputTexts& texts, const std::string& language);
bool langvalues(GeographicInputTexts& texts, const std::string& language);
bool langvalues(DmsInputTexts& texts, const std::string& language);
bool langvalues(UtmInputTexts& texts, const std::string& language);

}  // namespace kortavex
