#include "settings/parameter_file.h"

#include <gtest/gtest.h>

#include "chain/system_select.h"
#include "encoding_oracles.h"
#include "settings/startup.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

// A set with a distinct text in every field, in the order of UserParameterSet::texts.
UserParameterSet sampleSet() {
  UserParameterSet set;
  set.name = "Test";
  set.texts = {"577,326", "90.129", "463.919", "1.0000024232", "5.137", "1.474", "5.297",
               "13.5",    "47.5",   "49",      "46",           "400000", "-5000000"};
  set.system.ellipsoid = 0;
  set.system.projection = 3;
  return set;
}

const char* const kSampleFile =
    "kortavex_parameter_v4\r\nTest\r\n577.326\r\n90.129\r\n463.919\r\n5.137\r\n1.474\r\n"
    "5.297\r\n1.0000024232\r\nBessel 1841\r\nLambert\r\n13.5\r\n400000\r\n-5000000\r\n"
    "47.5\r\n49\r\n46\r\n";

TEST(ParameterFile, SaveWritesTheSeventeenLinesWithDecimalPoints) {
  TempDirectory dir;
  ASSERT_TRUE(saveParameterFile(dir.path(), sampleSet(), "nothing (geographic)"));
  EXPECT_EQ(dir.read("Test.gtp"), kSampleFile);
}

TEST(ParameterFile, SavedSetIsReadBackAtStartUp) {
  TempDirectory dir;
  dir.write("Test.gtp", kSampleFile);
  const UserParameterSet set = readStartupParameterSet(dir.path(), "Test");
  EXPECT_EQ(set.name, "Test");
  EXPECT_EQ(set.texts[PARAM_DX], "577.326");
  EXPECT_EQ(set.texts[PARAM_SCALE], "1.0000024232");
  EXPECT_EQ(set.texts[PARAM_RZ], "5.297");
  EXPECT_EQ(set.texts[PARAM_FALSE_NORTHING], "-5000000");
  EXPECT_EQ(set.system.ellipsoid, 0);
  EXPECT_EQ(set.system.projection, 3);
  EXPECT_DOUBLE_EQ(set.system.dx, 577.326);
  EXPECT_DOUBLE_EQ(set.system.scale, 1.0000024232);
  EXPECT_DOUBLE_EQ(set.system.rx, 5.137);
  EXPECT_DOUBLE_EQ(set.system.centralMeridian, 13.5);
  EXPECT_DOUBLE_EQ(set.system.latitudeOfOrigin, 47.5);
  EXPECT_DOUBLE_EQ(set.system.northParallel, 49);
  EXPECT_DOUBLE_EQ(set.system.southParallel, 46);
  EXPECT_DOUBLE_EQ(set.system.falseEasting, 400000);
  EXPECT_DOUBLE_EQ(set.system.falseNorthing, -5000000);
}

TEST(ParameterFile, ProjectionAndEllipsoidItemsRoundTrip) {
  // item 0 saved under the German interface, the fixed items, every ellipsoid
  const struct {
    int projection;
    const char* line10;
  } projections[] = {{0, "keine (geografisch)"}, {1, "Gauss/Kr\xFCger"}, {2, "UTM"}, {3, "Lambert"}};
  for (const auto& p : projections) {
    for (int ellipsoid = 0; ellipsoid < 5; ++ellipsoid) {
      TempDirectory dir;
      UserParameterSet set;
      set.name = "p";
      set.system.projection = p.projection;
      set.system.ellipsoid = ellipsoid;
      ASSERT_TRUE(saveParameterFile(dir.path(), set, "keine (geografisch)"));
      const std::string text = dir.read("p.gtp");
      EXPECT_NE(text.find(std::string("\r\n") + kEllipsoidItems[ellipsoid] + "\r\n" + p.line10 +
                          "\r\n"),
                std::string::npos)
          << text;
      const UserParameterSet back = readStartupParameterSet(dir.path(), "p");
      EXPECT_EQ(back.system.projection, p.projection);
      EXPECT_EQ(back.system.ellipsoid, ellipsoid);
    }
  }
}

TEST(ParameterFile, CommaNumberIsSavedWithPointAndReadAs12_5) {
  TempDirectory dir;
  UserParameterSet set;
  set.name = "c";
  set.texts[PARAM_DX] = "12,5";
  ASSERT_TRUE(saveParameterFile(dir.path(), set, "x"));
  EXPECT_EQ(dir.read("c.gtp").substr(0, 35), "kortavex_parameter_v4\r\nc\r\n12.5\r\n0\r\n");
  EXPECT_DOUBLE_EQ(readStartupParameterSet(dir.path(), "c").system.dx, 12.5);
}

TEST(ParameterFile, EarlierFormLeavesTheLambertNumbersEmpty) {
  TempDirectory dir;
  dir.write("old.gtp",
            "kortavex_parameter_v3\nold\n1\n2\n3\n4\n5\n6\n1.000005\nGRS80\nUTM\n15\n500000\n0\n"
            "47.5\n49\n46\n");
  const UserParameterSet set = readStartupParameterSet(dir.path(), "old");
  EXPECT_EQ(set.name, "old");
  EXPECT_EQ(set.system.ellipsoid, 2);
  EXPECT_EQ(set.system.projection, 2);
  EXPECT_DOUBLE_EQ(set.system.rz, 6);
  EXPECT_DOUBLE_EQ(set.system.scale, 1.000005);
  EXPECT_DOUBLE_EQ(set.system.falseEasting, 500000);
  for (int p : {PARAM_LATITUDE_OF_ORIGIN, PARAM_NORTH_PARALLEL, PARAM_SOUTH_PARALLEL})
    EXPECT_EQ(set.texts[p], "") << p;
  EXPECT_EQ(set.system.latitudeOfOrigin, 0.0);
  EXPECT_EQ(set.system.northParallel, 0.0);
  EXPECT_EQ(set.system.southParallel, 0.0);
}

TEST(ParameterFile, StartUpWithoutUsableFileGivesDefaultsAndNoName) {
  TempDirectory dir;
  dir.write("x.gtp", kSampleFile);
  for (const std::string& name : {std::string("missing"), std::string("../x"),
                                  std::string("x\0", 2)}) {
    const UserParameterSet set = readStartupParameterSet(dir.path(), name);
    EXPECT_EQ(set.name, "");
    EXPECT_EQ(set.texts, UserParameterSet{}.texts);
    EXPECT_EQ(set.system.scale, 1.0);
    // the defaults must not pass for the set that was named
    EXPECT_TRUE(set.fault.missing && !set.usable());
  }
  EXPECT_TRUE(readStartupParameterSet(dir.path(), "").usable());  // no set was ever named
}

// The lines of kSampleFile with line `index` replaced by `text` (or, with
// `cut`, the file ending before that line).
std::string sampleWith(std::size_t index, const std::string& text, bool cut = false) {
  std::string lines[17] = {"kortavex_parameter_v4", "Test", "577.326", "90.129", "463.919",
                           "5.137", "1.474", "5.297", "1.0000024232", "Bessel 1841", "Lambert",
                           "13.5", "400000", "-5000000", "47.5", "49", "46"};
  lines[index] = text;
  std::string file;
  for (std::size_t i = 0; i < (cut ? index : 17); ++i) file += lines[i] + "\r\n";
  return file;
}

TEST(ParameterFile, LinesAsOtherEditorsWriteThemAreRead) {
  const struct {
    std::size_t index;
    const char* text;
    int ellipsoid, projection;
    double centralMeridian;
  } cases[] = {
      {9, "WGS84 ", 3, 3, 13.5},                   // a trailing blank made it Bessel, 611 m off
      {9, " GRS80\t", 2, 3, 13.5},
      {10, "Gauss/Kr\xC3\xBC" "ger", 0, 1, 13.5},  // saved as UTF-8
      {10, "nothing (geographic)", 0, 0, 13.5},    // item 0 saved in English
      {10, "pas (g\xC3\xA9ographiquement)", 0, 0, 13.5},
      {10, "nen\xED (geograficky)", 0, 0, 13.5},
      {11, "13,3333", 0, 3, 13.3333},              // a decimal comma was cut to 13
      {11, " 13.3333 ", 0, 3, 13.3333},
      {14, "90", 0, 3, 13.5},                      // a false origin at the cone's apex
  };
  for (const auto& c : cases) {
    TempDirectory dir;
    dir.write("s.gtp", sampleWith(c.index, c.text));
    const UserParameterSet set = readStartupParameterSet(dir.path(), "s");
    EXPECT_TRUE(set.usable()) << c.text << ": line " << set.fault.line;
    EXPECT_EQ(set.system.ellipsoid, c.ellipsoid) << c.text;
    EXPECT_EQ(set.system.projection, c.projection) << c.text;
    EXPECT_DOUBLE_EQ(set.system.centralMeridian, c.centralMeridian) << c.text;
    EXPECT_EQ(loadParameterFile(dir.file("s.gtp"), "x").fault.line, 0) << c.text;
  }
}

TEST(ParameterFile, AFaultyLineIsReportedAndTheSetIsNotUsed) {
  const struct {
    std::size_t index;
    const char* text;
    bool cut;
  } cases[] = {
      {2, "3,5x", false}, {8, "", false},       {8, "0", false},  // a scale of 0 gives -nan
      {8, "-1", false},   {8, "1e999", false},  {9, "Hayford", false},
      {9, "GRS 80", false}, {10, "utm", false}, {14, "fourty", false},
      {13, "", true},     {9, "", true},        {16, "", true},   // files cut short
      {15, "-90", false}, {16, "-49", false},                      // no Lambert cone
      {14, "-90", false}, {14, "90.5", false},  // an origin at the far pole, beyond a pole
      // beyond any real system: a typo, radians, ppm, "nan", "inf"
      {11, "500", false}, {12, "1e300", false}, {5, "1e10", false}, {2, "-100001", false},
      {8, "4.2", false},  {8, "0.9989", false}, {6, "nan", false},  {13, "-inf", false},
  };
  for (const auto& c : cases) {
    TempDirectory dir;
    dir.write("s.gtp", sampleWith(c.index, c.text, c.cut));
    const UserParameterSet set = readStartupParameterSet(dir.path(), "s");
    const int line = static_cast<int>(c.index) + 1;
    EXPECT_FALSE(set.usable()) << c.text;
    EXPECT_EQ(set.fault.line, line) << c.text;
    EXPECT_EQ(set.fault.text, c.cut ? "" : c.text);
    EXPECT_EQ(set.fault.file, dir.file("s.gtp"));
    EXPECT_EQ(loadParameterFile(dir.file("s.gtp"), "x").fault.line, line) << c.text;
    EXPECT_EQ(parameterFaultMessage(set.fault, "Deutsch"),
              "Fehlerhafte Parameterdatei, der Parametersatz wird nicht verwendet:\n" +
                  dir.file("s.gtp") + ", Zeile " + std::to_string(line) + ": " + set.fault.text);
    // the user system of such a set is refused
    EXPECT_EQ(selectSystems("User", "WGS84", Transformation::Helmert, 0, set.usable()).error,
              SelectionError::UserSetFaulty);
  }
  // the earlier form has fourteen lines, and no Lambert cone
  TempDirectory dir;
  std::string old = "kortavex_parameter\r\n" + sampleWith(14, "", true).substr(23);
  dir.write("old.gtp", old);
  EXPECT_EQ(readStartupParameterSet(dir.path(), "old").fault.line, 17);  // its parallels: 0 and 0
  dir.write("old.gtp", old.replace(old.find("Lambert"), 7, "UTM"));
  EXPECT_TRUE(readStartupParameterSet(dir.path(), "old").usable());
}

TEST(ParameterFile, StartUpReadsTheSetNamedInTheOptionsFile) {
  TempDirectory dir;
  dir.write("kortavex.cfg", "kortavex_options_v45\r\n300\r\n2\r\n3\r\n \r\nTest\r\nEnglish\r\n1023\r\n");
  dir.write("Test.gtp", kSampleFile);
  const StartupConfiguration config = readStartupConfiguration(dir.path());
  EXPECT_TRUE(config.optionsFileFound);
  EXPECT_EQ(config.parameters.name, "Test");
  EXPECT_EQ(config.parameters.system.projection, 3);
  EXPECT_DOUBLE_EQ(config.parameters.system.dy, 90.129);

  dir.write("kortavex.cfg", "kortavex_options_v45\r\n300\r\n2\r\n3\r\n \r\nGone\r\nEnglish\r\n1023\r\n");
  EXPECT_EQ(readStartupConfiguration(dir.path()).parameters.name, "");
}

TEST(ParameterFile, LoadPutsTheTextsIntoTheirFields) {
  TempDirectory dir;
  dir.write("a.gtp",
            "kortavex_parameter_v4\nloaded\n1\n2\n3\n4\n5\n6\n1.0007\nWGS84\nUTM\n8\n9\n10\n11\n12\n13\n");
  const LoadedParameterFile loaded = loadParameterFile(dir.file("a.gtp"), "nothing (geographic)");
  ASSERT_TRUE(loaded.valid);
  UserParameterSet values;
  applyLoadedParameterFile(loaded, values);
  EXPECT_EQ(values.name, "loaded");
  EXPECT_EQ(values.system.ellipsoid, 3);
  EXPECT_EQ(values.system.projection, 2);
  const std::array<std::string, PARAM_COUNT> expected = {"1", "2", "3", "1.0007", "4",  "5", "6",
                                                         "8", "11", "12", "13", "9", "10"};
  EXPECT_EQ(values.texts, expected);
}

TEST(ParameterFile, LoadMatchesItemZeroInAnyLanguage) {
  TempDirectory dir;
  UserParameterSet set;
  set.name = "geo";
  set.system.projection = 0;
  ASSERT_TRUE(saveParameterFile(dir.path(), set, "nothing (geographic)"));
  EXPECT_EQ(loadParameterFile(dir.file("geo.gtp"), "nothing (geographic)").projection, 0);
  EXPECT_EQ(loadParameterFile(dir.file("geo.gtp"), "keine (geografisch)").projection, 0);
}

TEST(ParameterFile, LoadOfEarlierFormEmptiesTheLambertFields) {
  TempDirectory dir;
  dir.write("old.gtp", "kortavex_parameter\nold\n1\n2\n3\n4\n5\n6\n1.0007\nWGS84\nUTM\n8\n9\n10\n11\n");
  UserParameterSet values;
  values.texts[PARAM_NORTH_PARALLEL] = "49";
  applyLoadedParameterFile(loadParameterFile(dir.file("old.gtp"), "x"), values);
  EXPECT_EQ(values.system.ellipsoid, 3);
  EXPECT_EQ(values.system.projection, 2);
  EXPECT_EQ(values.texts[PARAM_FALSE_NORTHING], "10");
  EXPECT_EQ(values.texts[PARAM_LATITUDE_OF_ORIGIN], "");
  EXPECT_EQ(values.texts[PARAM_NORTH_PARALLEL], "");
  EXPECT_EQ(values.texts[PARAM_SOUTH_PARALLEL], "");
}

TEST(ParameterFile, LoadRejectsFilesWithoutTheHeader) {
  TempDirectory dir;
  dir.write("bad.gtp", "kortavex_paramete\nx\n1\n");
  dir.write("empty.gtp", "");
  std::filesystem::create_directory(dir.file("folder.gtp"));
  UserParameterSet values = sampleSet();
  for (const char* name : {"bad.gtp", "empty.gtp", "folder.gtp", "none.gtp"}) {
    const LoadedParameterFile loaded = loadParameterFile(dir.file(name), "x");
    EXPECT_FALSE(loaded.valid) << name;
    applyLoadedParameterFile(loaded, values);
    EXPECT_EQ(values.name, "Test") << name;
  }
}

TEST(ParameterFile, DeleteRemovesOnlyTheNamedFile) {
  TempDirectory dir;
  dir.write("a.gtp", kSampleFile);
  dir.write("b.gtp", kSampleFile);
  EXPECT_TRUE(deleteParameterFile(dir.path(), "a"));
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"b.gtp"});
  EXPECT_FALSE(deleteParameterFile(dir.path(), "a"));
  EXPECT_FALSE(deleteParameterFile(dir.path(), "../b"));
}

TEST(ParameterFile, SaveReplacesAtomicallyAndAFailedSaveKeepsTheOldFile) {
  TempDirectory dir;
  dir.write("Test.gtp", "old content");
  UserParameterSet set = sampleSet();
  ASSERT_TRUE(saveParameterFile(dir.path(), set, "x"));
  EXPECT_EQ(dir.read("Test.gtp"), kSampleFile);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"Test.gtp"});

  std::filesystem::create_directory(dir.file("Dir.gtp"));
  set.name = "Dir";
  std::string error;
  EXPECT_FALSE(saveParameterFile(dir.path(), set, "x", &error));
  EXPECT_FALSE(error.empty());
  set.name = "sub/x";
  EXPECT_FALSE(saveParameterFile(dir.path(), set, "x", &error));
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"Dir.gtp", "Test.gtp"}));
}

// The file of a set carries the set's name in UTF-8, as the file dialogs
// show names, while the name inside the file stays Windows-1252: for every
// letter of the code page, Save, start-up, Load and Delete find the same file.
TEST(ParameterFile, FileNameIsTheSetNameInUtf8) {
  TempDirectory dir;
  for (int byte = 0x20; byte < 0x100; ++byte) {
    if (byte == '/' || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 ||
        byte == 0x9D)
      continue;
    UserParameterSet set = sampleSet();
    set.name = std::string("S") + static_cast<char>(byte) + "d";
    const std::string fileName = utf8Of(set.name) + ".gtp";
    ASSERT_TRUE(saveParameterFile(dir.path(), set, "nothing (geographic)")) << byte;
    ASSERT_EQ(dir.entries(), std::vector<std::string>{fileName}) << byte;
    EXPECT_EQ(dir.read(fileName).rfind("kortavex_parameter_v4\r\n" + set.name + "\r\n", 0), 0u) << byte;
    EXPECT_EQ(parameterFilePath(dir.path(), set.name), dir.file(fileName));
    EXPECT_EQ(readStartupParameterSet(dir.path(), set.name).name, set.name) << byte;
    EXPECT_EQ(loadParameterFile(dir.file(fileName), "").name, set.name) << byte;
    EXPECT_TRUE(deleteParameterFile(dir.path(), set.name)) << byte;
  }
  EXPECT_TRUE(dir.entries().empty());
}

// A fault names its file as the window shows it: a UTF-8 path in Windows-1252.
TEST(ParameterFile, FaultMessageShowsTheFileNameAsWindowText) {
  ParameterFileFault fault;
  fault.file = "/home/j\xC3\xBCrgen/S\xC3\xBC\xC5\x82.gtp";
  fault.line = 9;
  fault.text = "x";
  EXPECT_EQ(parameterFaultMessage(fault, "Deutsch"),
            "Fehlerhafte Parameterdatei, der Parametersatz wird nicht verwendet:\n"
            "/home/j\xFCrgen/S\xFC?.gtp, Zeile 9: x");
}

TEST(ParameterFile, EmptyNameSavesDotGtp) {
  TempDirectory dir;
  ASSERT_TRUE(saveParameterFile(dir.path(), UserParameterSet{}, "x"));
  EXPECT_TRUE(dir.exists(".gtp"));
}

}  // namespace
