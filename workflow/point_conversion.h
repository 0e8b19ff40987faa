#pragma once
// The conversion core of the workflows: the values of one point in, a typed
// result out. The input window, the single point and the file conversion
// read their values each in their own way and write the result each in
// their own form; the conversion, its marking and the zone or reference of
// the result are made here alone.

#include <optional>
#include <string>

#include "chain/convert.h"
#include "chain/system_select.h"
#include "settings/user_parameter_set.h"
#include "workflow/coordinate_text.h"
#include "workflow/point_marking.h"

namespace kortavex {

// What the system selection and the window's controls give a conversion run.
struct ConversionSetup {
  SystemPair systems;
  std::string transformationName;  // entry of the transformation-type list
  GridHandle grid;                 // the chosen grid, loaded once for the whole run, if any
  double referenceHeight = 300;
  UserParameterSet user;
  bool dms = false;                // results of geographic targets in degrees/minutes/seconds
  bool heights = false;            // points carry their height, and results show it
  chain::HeightDatums heightDatums;  // height systems of start and target, their grids loaded
};

// One point converted.
struct ConvertedPoint {
  point position;        // in the target system; `flag` holds its status bits
  PointMarking marking;  // how its result and its input show
  std::string utmZone;   // a UTM target in the zone of the position: " 33N U"
  std::string mgrsReference;  // an MGRS target: the reference
  std::optional<double> height;  // with heights: the height in the target system
};

// The conversion of a run from the start to the target system of `setup`.
class PointConverter {
 public:
  explicit PointConverter(const ConversionSetup& setup);

  // The start system in the UTM zone `zoneText` ("33N": the zone an MGRS
  // reference names, or the one typed with a point) from now on.
  void startInZone(const std::string& zoneText);
  // The start system the points are converted from.
  const SystemCode& startCode() const { return startCode_; }

  // A point of the start system. One converter may serve the threads of a
  // run: it is not changed by converting.
  ConvertedPoint convert(const PointValues& values) const;

 private:
  SystemCode startCode_;
  SystemCode targetCode_;
  chain::UserSystem user_;
  GridHandle grid_;
  double referenceHeight_;
  bool heights_;
  chain::HeightDatums heightDatums_;
  chain::Conversion conversion_;
};

// What an MGRS reference gives a conversion: its position, and its zone
// ("33N"), the start system's zone for it. A reference that fails the
// syntax check or holds a letter outside the tables carries FLAG_MGRS_LETTER
// and no zone.
struct MgrsValues {
  PointValues values;
  std::string zone;
};
MgrsValues mgrsValues(const std::string& reference);

// How a result line is written: the single point's puts a blank before the
// zone text and before the line end of projected results.
enum class ResultForm { InputWindow, SinglePoint };

// Appends the result line of a point with a result: "%10.3f %9.3f" (metres)
// or "%11.8f %11.8f" (latitude and longitude) or degrees/minutes/seconds
// with `dms`; the zone after the values of UTM in the zone of the position,
// the reference alone for MGRS; the height (" %.3f") after the values or
// the reference where the point has one; and the line end.
void appendResultLine(std::string& out, const ConvertedPoint& p, const SystemCode& targetCode, bool dms,
                      ResultForm form = ResultForm::InputWindow);

}  // namespace kortavex
