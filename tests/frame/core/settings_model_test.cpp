#include <gtest/gtest.h>

#include "foundation/number_format.h"
#include "frame/core/settings_obj.h"
#include "frame/core/settings_variant.h"
#include "frame_core_fixture.h"

namespace {

TEST(SettingsModel, GapsAndExplicitIDs) {
  TSettingsObj so;
  EXPECT_EQ(so.AddTextToTab(0, 1, true, false, 0, 0, 5), 5);
  ASSERT_EQ(so.Controls().size(), 6u);
  for (int i = 0; i < 5; ++i) {
    const TSOControlRecord& gap = so.Controls()[i];
    EXPECT_FALSE(gap.InUse) << i;
    EXPECT_FALSE(gap.IsInput);
    EXPECT_EQ(gap.TabID, 0);
    EXPECT_EQ(gap.ControlType, ctHeading);
  }
  EXPECT_EQ(so.AddInputCheckToTab(0, 2, false, "a", true, -1, false, 0), 6);
  EXPECT_EQ(so.AddInputEditToTab(0, 3, false, "b", "x", 3, false, 0, 0), 3);
  EXPECT_TRUE(so.Controls()[3].InUse);
  EXPECT_EQ(so.Controls()[3].IntID, 3);
  EXPECT_EQ(so.Controls()[3].GroupID, -1);
  EXPECT_EQ(so.Controls()[3].TargetID, -1);
  // Reading a gap gives its empty value, reading outside the table the default.
  EXPECT_EQ(so.ReadString(1, "d"), "");
  EXPECT_FALSE(so.ReadBoolean(1, true));
  EXPECT_EQ(so.ReadInt(1, 9), 0);
  EXPECT_DOUBLE_EQ(so.ReadFloat(1, 1.5), 1.5);
  EXPECT_EQ(so.ReadString(7, "d"), "d");
  EXPECT_EQ(so.ReadString(-1, "d"), "d");
  EXPECT_TRUE(so.ReadBoolean(100, true));
}

TEST(SettingsModel, DuplicateIDRaisesAndKeepsTheTable) {
  TSettingsObj so;
  for (int i = 0; i < 7; ++i) so.AddInputEditToTab(0, 1, false, "k" + std::to_string(i), "v", -1, false, 0, 0);
  try {
    so.AddInputEditToTab(0, 1, false, "second", "w", 3, false, 0, 0);
    FAIL() << "no exception";
  } catch (const ESettingsObjError& e) {
    EXPECT_STREQ(e.what(), "SO-CONTROL-ID 3 ALREADY IN USE - LEN=7 - INIKEY=second");
  }
  EXPECT_EQ(so.Controls().size(), 7u);
  EXPECT_EQ(so.Controls()[3].IniKey, "k3");
  EXPECT_EQ(so.ReadString(3, ""), "v");
  // Texts have no key.
  try {
    so.AddTextToTab(0, 1, false, false, 0, 0, 0);
    FAIL() << "no exception";
  } catch (const ESettingsObjError& e) {
    EXPECT_STREQ(e.what(), "SO-CONTROL-ID 0 ALREADY IN USE - LEN=7 - INIKEY=");
  }
}

TEST(SettingsModel, DeclaredValues) {
  TSettingsObj so;
  const int cb = so.AddInputCheckToTab(0, 1, false, "cb", true, -1, false, 0);
  const int rb = so.AddInputCheckToTab(0, 1, true, "rb", false, -1, true, 4);
  const int ed = so.AddInputEditToTab(0, 1, true, "ed", " 42 ", -1, false, 0, 50);
  const int bad = so.AddInputEditToTab(0, "bad", "4x", -1, false, 0, 0);
  const int cp = so.AddInputCodePageComboBoxToTab(0, 1, false, "cp", 1252, -1, false, 0, 0);
  const int memo = so.AddInputMemoAsButtonWithDialogToTab(0, 1, "memo", "a\nb", -1, false, 0);
  const int reset = so.AddActionButtonSetToDefault(0, 1, ed, false, 0, -1);
  const int toggle = so.AddActionCheckBoxToggleCharsInInput(0, 1, ed, "äb", false, 0, -1);
  const auto& c = so.Controls();
  EXPECT_TRUE(so.ReadBoolean(cb, false));
  EXPECT_EQ(so.ReadString(cb, ""), "1");
  EXPECT_EQ(c[cb].ControlType, ctCheckBox);
  EXPECT_EQ(c[rb].ControlType, ctRadioButton);
  EXPECT_TRUE(c[rb].PlaceBeside);
  EXPECT_EQ(c[rb].Left, 4);
  EXPECT_EQ(c[ed].ControlType, ctEditTextRight);
  EXPECT_EQ(c[ed].ValueInt, 42);
  EXPECT_EQ(c[ed].Value, " 42 ");
  EXPECT_EQ(c[ed].Width, 50);
  EXPECT_EQ(c[bad].ControlType, ctEdit);
  EXPECT_EQ(c[bad].CaptionText, 0);
  EXPECT_EQ(c[bad].ValueInt, 0);
  EXPECT_EQ(c[cp].Value, "win1252");
  EXPECT_EQ(c[cp].ValueInt, 1252);
  EXPECT_EQ(c[memo].ControlType, ctMemoAsButton);
  EXPECT_EQ(c[memo].ValueInt, 0);
  EXPECT_EQ(c[reset].Value, std::to_string(ed));
  EXPECT_FALSE(c[reset].IsInput);
  EXPECT_EQ(c[toggle].TargetID, ed);
  EXPECT_EQ(c[toggle].Value, "äb");
  EXPECT_TRUE(so.AddDescriptionToCustomControl(ed, 99));
  EXPECT_EQ(c[ed].DescriptionText, 99);
  EXPECT_FALSE(so.AddDescriptionToCustomControl(100, 99));
  EXPECT_FALSE(so.AddDescriptionToCustomControl(-1, 99));
}

struct TReadCase {
  const char* Text;
  int32_t Int;
  double Float;  // NaN: the caller's default
};

class SettingsReadConversions : public ::testing::TestWithParam<const char*> {};

// The same answers whatever the system's decimal separator is.
TEST_P(SettingsReadConversions, IntAndFloat) {
  const NumberFormat old = GlobalNumberFormat();
  SetGlobalNumberFormat({GetParam(), GetParam()[0] == ',' ? "." : ","});
  const TReadCase cases[] = {
      {"2.5", 2, 2.5},    {"3,5", 4, 3.5}, {"1/4", 0, 0.25}, {"3/4", 1, 0.75}, {" 7 ", 7, 7},
      {"-2,5", -2, -2.5}, {"abc", 77, -1}, {"", 77, -1},     {"1/0", 77, -1},  {"1e300", 77, 1e300},
  };
  for (const TReadCase& c : cases) {
    TSettingsObj so;
    const int id = so.AddInputEditToTab(0, "k", "", -1, false, 0, 0);
    so.Controls()[id].Value = c.Text;
    so.Controls()[id].ValueInt = 77;
    EXPECT_EQ(so.ReadInt(id, -5), c.Int) << c.Text;
    EXPECT_DOUBLE_EQ(so.ReadFloat(id, -1), c.Float) << c.Text;
  }
  SetGlobalNumberFormat(old);
}

INSTANTIATE_TEST_SUITE_P(DecimalSeparators, SettingsReadConversions, ::testing::Values(".", ","));

TEST(SettingsModel, ReadBooleanOnlyForOne) {
  TSettingsObj so;
  const int id = so.AddInputEditToTab(0, "k", "", -1, false, 0, 0);
  for (int v : {0, 2, -1}) {
    so.Controls()[id].ValueInt = v;
    EXPECT_FALSE(so.ReadBoolean(id, true)) << v;
  }
  so.Controls()[id].ValueInt = 1;
  EXPECT_TRUE(so.ReadBoolean(id, false));
}

TEST(SettingsModel, RadioGroups) {
  TSettingsObj so;
  const int group = so.AddInputRadioButtonGroupToTab(0, "case", 2, -1);
  const int a = so.AddInputRadioButtonGroupItemToTab(0, group, 1, "lower", 10, false, 0, 0, -1);
  const int b = so.AddInputRadioButtonGroupItemToTab(0, group, 2, "upper", 11, true, 0, 0, -1);
  const int c = so.AddInputRadioButtonGroupItemToTab(0, group, 3, "mixed", 12, false, 0, 0, -1);
  const auto& r = so.Controls();
  EXPECT_EQ(r[group].Value, "2");
  EXPECT_EQ(r[group].ValueInt, 2);
  EXPECT_EQ(r[group].CaptionText, -1);
  EXPECT_EQ(r[group].ControlType, ctRadioButtonGroup);
  EXPECT_EQ(r[group].ItemIDs, (TIntArray{a, b, c}));
  EXPECT_EQ(r[a].Value, "0");
  EXPECT_EQ(r[b].Value, "1");
  EXPECT_EQ(r[b].ValueInt, 1);
  EXPECT_EQ(r[c].Value, "0");
  EXPECT_EQ(r[b].IntID, 2);
  EXPECT_EQ(r[b].StrID, "upper");
  EXPECT_EQ(r[b].GroupID, group);
  EXPECT_FALSE(r[b].IsInput);
  EXPECT_EQ(so.GetRadioButtonGroupItemIntIDFromStrID(group, "mixed", -7), 3);
  EXPECT_EQ(so.GetRadioButtonGroupItemIntIDFromStrID(group, "Mixed", -7), -7);
  EXPECT_EQ(so.GetRadioButtonGroupItemIntIDFromStrID(a, "mixed", -7), -7);
}

TEST(SettingsModel, TabsAndMenuHeaders) {
  SetSprResGlobal(0);
  TSettingsObj so;
  EXPECT_EQ(so.AddTab(11, "first"), 0);
  EXPECT_EQ(so.AddTab(204, "second"), 1);
  EXPECT_EQ(so.GetCustomTabCount(), 2);
  EXPECT_EQ(so.CustomTabCount(), 2);
  EXPECT_EQ(so.Tabs()[1].MenuHeaderText, 204);
  EXPECT_EQ(so.Tabs()[1].IniSection, "second");
  EXPECT_EQ(so.GetCustomMenuHeader(0), "Settings");
  EXPECT_EQ(so.GetCustomMenuHeader(so.GetCustomTabCount()), "");
  EXPECT_EQ(so.GetCustomMenuHeader(-1), "");
  EXPECT_FALSE(so.GetCustomMenuDivider(0));
  EXPECT_FALSE(so.GetCustomMenuDivider(5));
}

TEST(SettingsModel, SettersRaiseOnlyOnChange) {
  TSettingsObj so;
  int raised = 0;
  so.OnSaveSettingsChange = [&] { ++raised; };
  so.SetSaveToAppDir(false);
  so.SetSaveWindowSize(true);
  so.SetAutoSaveOnExit(false);
  EXPECT_EQ(raised, 0);
  so.SetSaveToAppDir(true);
  so.SetSaveWindowSize(false);
  so.SetAutoSaveOnExit(true);
  EXPECT_EQ(raised, 3);
  EXPECT_TRUE(so.SaveToAppDir());
  so.SetProgFileExtSettings("sxs");
  EXPECT_EQ(so.StartFileName(), "start.sxs");
  so.CodePage = 1252;
  so.CodePageWriteBOM = true;
  so.InitializeStandardSettings();
  EXPECT_EQ(so.CodePage, 65001);
  EXPECT_FALSE(so.CodePageWriteBOM);
}

TEST(SettingsModel, LanguageHelpers) {
  TSettingsObj so;
  so.ProgName = "Syllabrix";
  so.ProgNameDE = "Silbenmacher";
  EXPECT_EQ(so.GetProgNameSpr(), "Syllabrix");
  int recaptioned = -1;
  so.WindowHooks.SetLanguage = [&](int32_t l) { recaptioned = l; };
  so.SetLanguage(1);
  EXPECT_EQ(recaptioned, 1);
  EXPECT_EQ(so.GetProgNameSpr(), "Silbenmacher");
  EXPECT_EQ(so.GetStrForCurrentLanguage("en", "de", "es", "fr"), "de");
  so.SetLanguage(4);
  EXPECT_EQ(so.GetStrForCurrentLanguage("en", "de", "es", "fr"), "es");
  so.SetLanguage(6);
  EXPECT_EQ(so.GetStrForCurrentLanguage("en", "de", "es", "fr"), "fr");
  so.SetLanguage(13);
  EXPECT_EQ(so.GetStrForCurrentLanguage("en", "de", "es", "fr"), "en");
  so.ProgNameDE.clear();
  so.SetLanguage(1);
  EXPECT_EQ(so.GetProgNameSpr(), "Syllabrix");
  so.SetLanguage(0);
}

TEST(SettingsModel, FileAssociationPairs) {
  SetSprResGlobal(0);
  TSettingsObj so;
  so.SetProgFileExtSettings("sxs");
  so.SetFileExtensions({" txt | Text file ", "csv"});
  TKeyValueArrayObj got;
  so.SystemIntegrationDialogs.FileAssociations = [&](const std::string&, const std::string&, TKeyValueArrayObj& p) {
    got = p;
  };
  so.ShowSettingsDialogFileAssociations();
  ASSERT_EQ(got.Count(), 2);
  EXPECT_EQ(got.GetKey(0), "sxs");
  EXPECT_EQ(got.GetValue(0), "Settings");
  EXPECT_EQ(got.GetKey(1), "txt");
  EXPECT_EQ(got.GetValue(1), "Text file");
  so.FileExtensionSettings = false;
  so.ShowSettingsDialogFileAssociations();
  EXPECT_EQ(got.Count(), 1);

  std::vector<TSystemIntegrationAutoStartOption> options;
  int32_t flag = -1;
  so.SystemIntegrationDialogs.AutoStart = [&](const std::string&, const std::string&,
                                              const std::vector<TSystemIntegrationAutoStartOption>& o, int32_t f) {
    options = o;
    flag = f;
  };
  so.ShowSettingsDialogAutoStart();
  EXPECT_EQ(options.size(), 2u);
  EXPECT_EQ(flag, 0);
  so.EnableParameterTray = true;
  so.EnableBatchProcessor = true;
  so.ShowSettingsDialogAutoStart();
  EXPECT_EQ(options.size(), 3u);
  EXPECT_EQ(flag, 1);

  TScriptedDialogs dialogs;
  so.SetUserDialogs(&dialogs);
  so.ShowSettingsDialogProgramShortCut();
  EXPECT_EQ(dialogs.Shown, (std::vector<std::string>{"ShowSettingsDialogProgramShortCut  NOT IMPLEMENTED"}));
}

TEST(SettingsModel, VariantCaptions) {
  EXPECT_EQ(GetIntFromVariant(TSettingsVariant(int32_t{5})), 5);
  EXPECT_EQ(GetIntFromVariant(TSettingsVariant(uint8_t{7})), 7);
  EXPECT_EQ(GetIntFromVariant(TSettingsVariant(int64_t{12})), 12);
  EXPECT_EQ(GetIntFromVariant(TSettingsVariant(2.5)), 2);
  EXPECT_EQ(GetIntFromVariant(TSettingsVariant(std::string("5"))), -1);
  EXPECT_EQ(GetIntFromVariant(TSettingsVariant()), -1);
  EXPECT_EQ(GetIntFromVariant(TSettingsVariant(uint64_t{1} << 40)), -1);
  EXPECT_EQ(GetIntFromVariant(TSettingsVariant(1e300)), -1);
}

}  // namespace
