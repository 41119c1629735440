// The settings store: defaults for missing or non-numeric values, round trips per application.
#include <gtest/gtest.h>

#include "common/settings.h"

namespace {

const QString kDb = QStringLiteral("UK-National-Lottery.dat");

TEST(Settings, MissingAndNonNumericValuesReadAsTheDefault) {
  EXPECT_EQ(vtn::GetSetting(vtn::kAppHalvoren, "Data", "DataBaseName", "none"), "none");
  EXPECT_EQ(vtn::DataBaseName(), "");
  EXPECT_EQ(vtn::UsOrUKdate(), "");
  EXPECT_EQ(vtn::GetSettingInt(vtn::kAppTitle, kDb, "Missing", 5), 5);
  const struct { const char* stored; int read; } cases[] = {
      {"abc", 5}, {"12x", 5}, {"", 5}, {"1.5", 5}, {"12", 12}, {"-3", -3}, {" 40 ", 40},
  };
  for (const auto& c : cases) {
    vtn::SaveSetting(vtn::kAppTitle, kDb, "Number", c.stored);
    EXPECT_EQ(vtn::GetSettingInt(vtn::kAppTitle, kDb, "Number", 5), c.read) << c.stored;
  }
}

TEST(Settings, ValuesRoundTripPerApplicationAndSection) {
  const QString values[] = {"UK-National-Lottery.dat", "1, 2, 3", " padded ", "a=b;c", "", "\"quoted\""};
  for (const QString& value : values) {
    vtn::SaveSetting(vtn::kAppHalvoren, "Data", "Value", value);
    vtn::SaveSetting(vtn::kAppTitle, kDb, "Value", value + "!");
    EXPECT_EQ(vtn::GetSetting(vtn::kAppHalvoren, "Data", "Value", "default"), value);
    EXPECT_EQ(vtn::GetSetting(vtn::kAppTitle, kDb, "Value", "default"), value + "!");
  }
  EXPECT_EQ(vtn::GetSetting(vtn::kAppTitle, "Data", "Value", "default"), "default");

  vtn::SaveDataBaseName(kDb);
  vtn::SaveUsOrUKdate(true);
  EXPECT_EQ(vtn::DataBaseName(), kDb);
  EXPECT_EQ(vtn::GetSetting("Halvoren", "Data", "DataBaseName"), kDb);
  EXPECT_EQ(vtn::UsOrUKdate(), "True");
  vtn::SaveUsOrUKdate(false);
  EXPECT_EQ(vtn::UsOrUKdate(), "False");
}

}  // namespace
