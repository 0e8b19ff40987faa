// The texts of the point input dialogs: number fields, degrees/minutes/seconds
// and the MGRS field's decoding.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "workflow/dialog_entry.h"

using namespace kortavex;

namespace {

TEST(DialogEntry, NumberFieldsLoseBlanksAndTakeDecimalPoints) {
  EXPECT_EQ(numberFieldText("5 340 123,45"), "5340123.45");
  EXPECT_EQ(numberFieldText(" 12,5abc "), "12.5abc");  // rejecting it is the caller's task
  EXPECT_EQ(withoutBlanks("33U VP 17805 2"), "33UVP178052");
}

TEST(DialogEntry, DecimalIntegers) {
  for (const char* yes : {"0", "30", "-0", "+12"}) EXPECT_TRUE(isDecimalInteger(yes)) << yes;
  for (const char* no : {"", "-", "30.5", "3a", "1e3"}) EXPECT_FALSE(isDecimalInteger(no)) << no;
}

struct DmsCase {
  DmsRow row;
  std::optional<double> degrees;  // nullopt: the joined texts are no number
  bool warning;
};

TEST(DialogEntry, DegreesMinutesSecondsRows) {
  const DmsCase cases[] = {
      {{"48", "12", "30"}, 48 + 12 / 60.0 + 30 / 3600.0, false},
      {{"-33", "30", ""}, -33.5, false},
      {{"0", "30", ""}, 0.5, false},
      {{"-0", "30", ""}, -0.5, false},  // the sign of the degrees text counts, not its value
      {{"16", "30.5", ""}, 16 + 30.5 / 60, false},       // decimal minutes, no seconds
      {{"16", "30", "12.5"}, 16 + 30 / 60.0 + 12.5 / 3600, false},
      {{"16", "30.5", "12.5"}, std::nullopt, true},      // two decimal points in one row
      {{"16", "", "12.5"}, 16 + 12.5 / 3600, true},      // warned, but a number
      {{"48,5", "", ""}, std::nullopt, false},           // the degrees keep their comma
      {{"4a", "12", "30"}, std::nullopt, false},
      {{"48", "75", ""}, std::nullopt, false},           // not 49 15', a typo
      {{"48", "12", "60"}, std::nullopt, false},
      {{"48", "59", "59.99"}, 48 + 59 / 60.0 + 59.99 / 3600, false},
      {{"", "", ""}, std::nullopt, false},
  };
  for (const DmsCase& c : cases) {
    SCOPED_TRACE(c.row.degrees + "|" + c.row.minutes + "|" + c.row.seconds);
    EXPECT_EQ(dmsSecondsWarning(c.row), c.warning);
    const std::optional<double> degrees = dmsDegrees(c.row);
    ASSERT_EQ(degrees.has_value(), c.degrees.has_value());
    if (degrees) {
      EXPECT_NEAR(*degrees, *c.degrees, 1e-12);
    }
  }
}

TEST(DialogEntry, DecimalDegreesFieldIsLeftAlignedInFourteen) {
  EXPECT_EQ(dmsFieldText(48 + 12 / 60.0 + 30 / 3600.0), "48.208333333  ");
  EXPECT_EQ(dmsFieldText(-0.5), "-0.500000000  ");
  EXPECT_EQ(dmsFieldText(-179.5), "-179.500000000");
}

TEST(DialogEntry, MgrsFieldMessages) {
  using Message = MgrsFieldDecoding::Message;
  const struct {
    const char* field;
    Message message;
  } refused[] = {
      {"", Message::Empty},
      {"   ", Message::Invalid},             // blanks only: nothing left to check
      {"33UXP015433836", Message::Invalid},  // odd number of digits
      {"33AVP178052", Message::Invalid},     // passes the syntax check, band A does not exist
  };
  for (const auto& c : refused) {
    const MgrsFieldDecoding d = decodeMgrsField(c.field);
    EXPECT_EQ(d.message, c.message) << c.field;
    EXPECT_FALSE(d.fill) << c.field;
  }
}

TEST(DialogEntry, MgrsFieldFillsTheUtmFields) {
  // column X is the sixth of zone 33's set, row P the first above band U: 600 km + 3112 m;
  // lower case names the same square
  MgrsFieldDecoding d = decodeMgrsField("33u Xp 03112 38361");
  EXPECT_EQ(d.message, MgrsFieldDecoding::Message::None);
  EXPECT_TRUE(d.fill);
  EXPECT_EQ(d.easting, "603112.00000000");
  EXPECT_EQ(d.northing, "5338361.00000000");
  EXPECT_EQ(d.zone, "33N");

  // row D of an odd zone above band U lies at 6 300 km, about 56.8 degrees: north of the band
  d = decodeMgrsField("33UXD0000000000");
  EXPECT_EQ(d.message, MgrsFieldDecoding::Message::OutsideBand);
  EXPECT_TRUE(d.fill);
  EXPECT_EQ(d.northing, "6300000.00000000");

  d = decodeMgrsField("33HXP00");  // southern band: zone text with S
  EXPECT_EQ(d.zone, "33S");
}

}  // namespace
