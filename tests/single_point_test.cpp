// Converting one point entered in a dialog: checks of the entered texts, the
// zone override, the input record, the result line and their colours.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "chain/system_select.h"
#include "engine/point.h"
#include "tests/test_support.h"
#include "workflow/single_point.h"

using namespace kortavex;

namespace {

EnteredPoint entered(double first, double second) {
  EnteredPoint e;
  e.first = first;
  e.second = second;
  return e;
}

// The start code of a display name, the user system with `projection`.
SystemCode startCode(const char* name, int projection = 0) {
  return systemCode(name, false, projection, SystemCode());
}

TEST(SinglePoint, DialogByStartCode) {
  const struct {
    const char* name;
    int projection;
    PointDialog dialog;
  } cases[] = {
      {"MGRS(UTMREF)", 0, PointDialog::Mgrs},  {"UTM33N", 0, PointDialog::Utm},
      {"UTM01S", 0, PointDialog::Utm},         {"WGS84", 0, PointDialog::Geographic},
      {"MGI", 0, PointDialog::Geographic},     {"User", 0, PointDialog::Geographic},
      {"CH1903+", 0, PointDialog::Geographic}, {"GK-AUT_M34", 0, PointDialog::Projected},
      {"LAMB-AUT", 0, PointDialog::Projected}, {"Krovak", 0, PointDialog::Projected},
      {"User", 3, PointDialog::Projected},
  };
  for (const auto& c : cases)
    EXPECT_EQ(pointDialogFor(startCode(c.name, c.projection)), c.dialog) << c.name;
}

TEST(SinglePoint, EnteredTextsMustBeNumbers) {
  EXPECT_FALSE(projectedEntry("500000", ""));
  EXPECT_FALSE(projectedEntry("12.5abc", "5300000"));
  EXPECT_FALSE(projectedEntry("500000", "nan"));
  const std::optional<EnteredPoint> p = projectedEntry("-50000.5", "5.3e6");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->first, -50000.5);
  EXPECT_EQ(p->second, 5300000);

  // latitude is asked first but becomes the second value
  const std::optional<EnteredPoint> g = geographicEntry("48.2", "16.4");
  ASSERT_TRUE(g);
  EXPECT_EQ(g->first, 16.4);
  EXPECT_EQ(g->second, 48.2);
  EXPECT_FALSE(geographicEntry("48.2", "16,4"));  // the dialog turns commas into points first
}

TEST(SinglePoint, GeographicRange) {
  const struct {
    double lat, lon;
    const char* message;
  } cases[] = {
      {90, 180, ""},          {-90, -180, ""},
      {91, 16, "Phi -90/90"}, {-90.000001, 16, "Phi -90/90"},
      {48, 180.5, "Lambda -180/180"}, {48, -181, "Lambda -180/180"},
      {95, 200, "Phi -90/90"},  // latitude is tested first
  };
  for (const auto& c : cases)
    EXPECT_EQ(geographicRangeMessage(entered(c.lon, c.lat)), c.message) << c.lat << " " << c.lon;
}

TEST(SinglePoint, UtmZoneTexts) {
  const struct {
    const char* typed;
    const char* zone;  // nullptr: no zone
  } cases[] = {
      {"32N", "32N"}, {"5s", "05S"}, {" 33 N", "33N"}, {"60S", "60S"}, {"1N", "01N"},
      {"0N", nullptr}, {"61N", nullptr}, {"33", nullptr}, {"33X", nullptr}, {"N", nullptr},
      {"", nullptr}, {"+5N", nullptr}, {"333N", nullptr}, {"3aN", nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<std::string> zone = utmZoneFromText(c.typed);
    if (c.zone) {
      EXPECT_EQ(zone, std::optional<std::string>(c.zone)) << c.typed;
    } else {
      EXPECT_FALSE(zone) << c.typed;
    }
  }
  EXPECT_FALSE(utmEntry("500000", "5300000", "abc"));  // a zone that is none is asked again
  EXPECT_FALSE(utmEntry("x", "5300000", "32N"));
  ASSERT_TRUE(utmEntry("500000", "5300000", "32n"));
  EXPECT_EQ(utmEntry("500000", "5300000", "32n")->zone, "32N");
}

TEST(SinglePoint, MgrsReferences) {
  EnteredPoint e = mgrsEntry("33UXP0154338361");
  EXPECT_EQ(e.first, 601543);
  EXPECT_EQ(e.second, 5338361);
  EXPECT_EQ(e.zone, "33N");
  EXPECT_EQ(e.flag, 0);
  for (const char* faulty : {"33AVP178052", "33UXP015433836", "", "33UIP0154338361"}) {
    e = mgrsEntry(faulty);
    EXPECT_TRUE(e.flag & FLAG_MGRS_LETTER) << faulty;
    EXPECT_EQ(e.zone, "") << faulty;
    EXPECT_EQ(e.mgrsReference, faulty);
  }
}

TEST(SinglePoint, HeightOnWgs84Ellipsoid) {
  EXPECT_EQ(entryHeight(startCode("WGS84"), 300), 345);
  EXPECT_EQ(entryHeight(startCode("UTM33N"), 0), 45);
  EXPECT_EQ(entryHeight(startCode("MGRS(UTMREF)"), -10), 35);
  EXPECT_EQ(entryHeight(startCode("GK-AUT_M34"), 300), 300);
  EXPECT_EQ(entryHeight(startCode("DHDN"), 300), 300);
}

TEST(SinglePoint, ProjectedToGeographic) {
  // cs2cs +proj=tmerc +lon_0=9 +x_0=3500000 +ellps=bessel +to +proj=longlat +ellps=bessel:
  // 9.5398080530 48.1987530795
  const SinglePointTexts t = convertSinglePoint(setupFor("GK3_DHDN", "DHDN"),
                                                entered(3540123.45, 5340123.45));
  EXPECT_EQ(t.input.text, "* GK3_DHDN\n3540123.450 5340123.450\n");
  EXPECT_EQ(inColour(t.input, TextColour::Black), t.input.text);
  EXPECT_EQ(t.output.text, "* DHDN\n48.19875308  9.53980805\n");  // same datum: no transformation named
  EXPECT_EQ(inColour(t.output, TextColour::Black), t.output.text);
}

TEST(SinglePoint, GeographicToProjectedEndsWithABlank) {
  // cs2cs ... +proj=longlat +ellps=bessel +to +proj=tmerc +lon_0=9 +x_0=3500000: 3537163.6597 5340242.0686
  const SinglePointTexts t = convertSinglePoint(setupFor("DHDN", "GK3_DHDN"), entered(9.5, 48.2));
  EXPECT_EQ(t.input.text, "* DHDN\n48.20000000  9.50000000\n");  // latitude first
  EXPECT_EQ(t.output.text, "* GK3_DHDN\n3537163.660 5340242.069 \n");
}

TEST(SinglePoint, UtmZoneTypedOverridesTheList) {
  // cs2cs +proj=utm +zone=32 +ellps=GRS80 +to +proj=longlat: 9.0000000000 47.8533419467
  std::optional<EnteredPoint> e = utmEntry("500000", "5300000", "32N");
  ASSERT_TRUE(e);
  const SinglePointTexts t = convertSinglePoint(setupFor("UTM33N", "WGS84"), *e);
  EXPECT_EQ(t.input.text, "* UTM32N\n500000.000 5300000.000\n");
  EXPECT_EQ(t.systems.startCode, startCode("UTM32N"));
  EXPECT_EQ(t.systems.startName, "UTM32N");
  EXPECT_EQ(t.output.text, "* WGS84 * [Helmert]\n47.85334195  9.00000000\n");
}

TEST(SinglePoint, MgrsStart) {
  // cs2cs +proj=utm +zone=33 +ellps=GRS80 +to +proj=longlat: 16.3662964293 48.1903617539
  const SinglePointTexts t =
      convertSinglePoint(setupFor("MGRS(UTMREF)", "WGS84"), mgrsEntry("33UXP0154338361"));
  EXPECT_EQ(t.input.text, "* MGRS(UTMREF)\n33UXP0154338361\n");
  EXPECT_EQ(t.systems.startCode, startCode("UTM33N"));
  EXPECT_EQ(t.systems.startName, "MGRS(UTMREF)");
  EXPECT_EQ(t.output.text, "* WGS84 * [Helmert]\n48.19036175 16.36629643\n");
  EXPECT_EQ(inColour(t.output, TextColour::Black), t.output.text);
}

TEST(SinglePoint, FaultyMgrsIsRedWithStars) {
  const SinglePointTexts t =
      convertSinglePoint(setupFor("MGRS(UTMREF)", "GK-AUT_M34"), mgrsEntry("33AVP178052"));
  EXPECT_EQ(inColour(t.input, TextColour::Black), "* MGRS(UTMREF)\n");
  EXPECT_EQ(inColour(t.input, TextColour::Red), "33AVP178052\n");
  EXPECT_EQ(inColour(t.output, TextColour::Black), "* GK-AUT_M34 * [Helmert]\n");
  EXPECT_EQ(inColour(t.output, TextColour::Red), "* *\n");
}

TEST(SinglePoint, AutomaticUtmZoneTarget) {
  // cs2cs +proj=longlat +ellps=GRS80 +to +proj=utm +zone=33: 601799.14579 5339437.15379
  const SinglePointTexts t = convertSinglePoint(setupFor("WGS84", "UTM"), entered(16.37, 48.2));
  EXPECT_EQ(t.input.text, "* WGS84\n48.20000000 16.37000000\n");
  EXPECT_EQ(t.output.text, "* UTM * [Helmert]\n601799.146 5339437.154  33N U\n");  // a blank before the zone text
}

TEST(SinglePoint, FramesColourTheEchoAndTheResult) {
  // easting 400 km lies outside GK-AUT; the result lies outside GK3 DHDN
  const SinglePointTexts t =
      convertSinglePoint(setupFor("GK-AUT_M34", "GK3_DHDN"), entered(400000, 5300000));
  EXPECT_EQ(inColour(t.input, TextColour::Blue), "400000.000 5300000.000\n");
  EXPECT_EQ(inColour(t.output, TextColour::Black), "* GK3_DHDN * [Helmert]\n");
  EXPECT_NE(inColour(t.output, TextColour::Blue), "");
}

TEST(SinglePoint, MissingGridShiftMarksBothRed) {
  // northing 4 000 km lies far south of the BeTA2007 grid: no shift value
  const SinglePointTexts t = convertSinglePoint(
      setupFor("GK3_DHDN", "WGS84", Transformation::BeTA2007), entered(3500000, 4000000));
  EXPECT_EQ(inColour(t.input, TextColour::Red), "3500000.000 4000000.000\n");
  EXPECT_EQ(inColour(t.output, TextColour::Red), "* *\n");
}

TEST(SinglePoint, UserSystemShowsTheSetName) {
  ConversionSetup s = setupFor("WGS84", "User");
  s.user.name = "Vienna local";
  SinglePointTexts t = convertSinglePoint(s, entered(16.4, 48.2));
  EXPECT_EQ(t.output.text.rfind("* Vienna local * [Helmert]\n", 0), 0u);

  s = setupFor("User", "WGS84");
  s.user.name = "Vienna local";
  t = convertSinglePoint(s, entered(16.4, 48.2));
  EXPECT_EQ(t.input.text.rfind("* Vienna local\n", 0), 0u);
}

}  // namespace
