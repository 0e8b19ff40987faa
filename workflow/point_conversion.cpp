#include "workflow/point_conversion.h"

#include "chain/mgrs_reader.h"

namespace kortavex {

PointConverter::PointConverter(const ConversionSetup& setup)
    : startCode_(setup.systems.startCode),
      targetCode_(setup.systems.targetCode),
      user_(setup.user.system),
      grid_(setup.grid),
      referenceHeight_(setup.referenceHeight),
      heights_(setup.heights),
      heightDatums_(setup.heightDatums),
      conversion_(startCode_, targetCode_, user_, grid_, heightDatums_) {}

void PointConverter::startInZone(const std::string& zoneText) {
  if (zoneText == startCode_.zoneText()) return;
  startCode_ = startCode_.inZone(zoneText);
  conversion_ = chain::Conversion(startCode_, targetCode_, user_, grid_, heightDatums_);
}

ConvertedPoint PointConverter::convert(const PointValues& values) const {
  ConvertedPoint result;
  point input(values.east, values.north, values.height.value_or(referenceHeight_), values.flag);
  // a faulty MGRS reference has no position to convert
  result.position = (values.flag & FLAG_MGRS_LETTER) ? std::move(input) : conversion_.convert(std::move(input));
  result.marking = pointMarking(result.position);
  if (heights_) result.height = result.position.h;
  // the chain leaves the zone or the reference of the position in the point's text
  if (targetCode_.isMgrs()) {
    result.mgrsReference.swap(result.position.txt);
  } else if (targetCode_.isAutomaticUtm()) {
    result.utmZone.swap(result.position.txt);
  }
  return result;
}

MgrsValues mgrsValues(const std::string& reference) {
  MgrsValues m;
  if (!chain::hasMgrsForm(reference)) {
    m.values.flag = FLAG_MGRS_LETTER;
    return m;
  }
  const chain::MgrsPosition position = chain::readMgrsReference(reference);
  m.values.east = position.easting;
  m.values.north = position.northing;
  m.values.flag = position.flag;  // a faulty reference must not pass for a good one
  m.zone = position.zoneText();
  return m;
}

void appendResultLine(std::string& out, const ConvertedPoint& p, const SystemCode& targetCode, bool dms,
                      ResultForm form) {
  const bool singlePoint = form == ResultForm::SinglePoint;
  const auto appendHeight = [&out, &p] {
    if (p.height) out += ' ' + formatFixed(*p.height, 0, 3);
  };
  if (targetCode.isMgrs()) {
    out += p.mgrsReference;
    appendHeight();
  } else if (targetCode.isAutomaticUtm()) {
    appendValuePair(out, p.position, false);
    appendHeight();
    if (singlePoint) out += ' ';
    out += p.utmZone;
  } else if (targetCode.isGeographic() && dms) {
    std::string values = p.position.ausgebenMinSec();
    values.pop_back();  // its line end
    out += values;
    appendHeight();
  } else {
    appendValuePair(out, p.position, targetCode.isGeographic());
    appendHeight();
    if (singlePoint && !targetCode.isGeographic()) out += ' ';
  }
  out += '\n';
}

}  // namespace kortavex
