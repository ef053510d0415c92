// Start-up of the main form, the command-line file, browsing, help, exit and close.
#include <gtest/gtest.h>

#include "loader_fakes.h"

namespace {

using loader::CheckBox;
using loader::ItemList;
using loader_test::Rig;

TEST(FormCreate, FirstStartListsTheStartDirectoryAndSelectsFirstEntries) {
  Rig rig;
  rig.files.currentDirectory = "C:\\work";
  rig.files.Add("C:\\work\\b.h86");
  rig.files.Add("C:\\work\\a.H86");
  rig.files.Add("C:\\work\\z.mcs");
  rig.files.Add("C:\\work\\notes.txt");
  rig.files.Add("C:\\work\\sub\\c.h86");
  rig.form.FormCreate();

  EXPECT_EQ(rig.openedKeys, (std::vector<std::string>{"Software\\Vardo\\VelkKT\\2.1\\config"}));
  EXPECT_EQ(rig.form.StartDirectory(), "C:\\work");
  EXPECT_EQ(rig.view.Items(ItemList::Microcontroller), (std::vector<std::string>{"C:\\work\\a.H86", "C:\\work\\b.h86"}));
  EXPECT_EQ(rig.view.Items(ItemList::Fpga), (std::vector<std::string>{"C:\\work\\z.mcs"}));
  EXPECT_EQ(rig.view.Selected(ItemList::Microcontroller), "C:\\work\\a.H86");
  EXPECT_EQ(rig.view.Selected(ItemList::Fpga), "C:\\work\\z.mcs");
  EXPECT_EQ(rig.view.Items(ItemList::Port).size(), 8u);
  EXPECT_EQ(rig.view.Items(ItemList::Port)[7], "COM 8");
  EXPECT_EQ(rig.view.Items(ItemList::Speed), (std::vector<std::string>{"9600", "19200", "57600"}));
  EXPECT_EQ(rig.view.Selected(ItemList::Port), "COM 1");
  EXPECT_EQ(rig.view.Selected(ItemList::Speed), "9600");
  EXPECT_TRUE(rig.view.IsChecked(CheckBox::SiemensLoad));
  EXPECT_FALSE(rig.view.IsChecked(CheckBox::XilinxLoad));
  EXPECT_FALSE(rig.view.IsChecked(CheckBox::Verify));
  EXPECT_TRUE(rig.messages.shown.empty());
  EXPECT_TRUE(rig.registry.Values().empty()) << "start-up writes nothing";
}

TEST(FormCreate, StoredListsAndIndexesWin) {
  Rig rig;
  rig.registry.WriteString("VLK_H86_1", "C:\\fw\\one.h86");
  rig.registry.WriteString("VLK_H86_3", "C:\\fw\\three.h86");
  rig.registry.WriteString("VLK_MCS_2", "C:\\x\\only second.mcs");
  rig.registry.WriteString("INDEX_COM_USE", "7");
  rig.registry.WriteString("LAST_SPEED_USE", "1");
  rig.files.Add("C:\\work\\listed.h86");
  rig.files.Add("C:\\work\\listed.mcs");
  rig.form.FormCreate();

  EXPECT_EQ(rig.view.Items(ItemList::Microcontroller), (std::vector<std::string>{"C:\\fw\\one.h86", "C:\\fw\\three.h86"}));
  EXPECT_EQ(rig.view.Items(ItemList::Fpga), (std::vector<std::string>{"C:\\work\\listed.mcs"}))
      << "an empty first FPGA slot means the directory is listed";
  EXPECT_EQ(rig.view.Selected(ItemList::Port), "COM 8");
  EXPECT_EQ(rig.view.Selected(ItemList::Speed), "19200");
}

TEST(FormCreate, JunkIndexesAreReportedAndTheFirstEntriesTaken) {
  Rig rig;
  rig.registry.WriteString("INDEX_COM_USE", "abc");
  rig.registry.WriteString("LAST_SPEED_USE", "9");
  rig.registry.WriteString("VLK_H86_1", "C:\\fw\\one.h86");
  rig.form.FormCreate();

  ASSERT_EQ(rig.messages.shown.size(), 2u);
  EXPECT_EQ(rig.messages.shown[0].text, "'abc' is not a valid integer value (INDEX_COM_USE): first entry selected");
  EXPECT_EQ(rig.messages.shown[0].caption, "KT control V1.18.g");
  EXPECT_EQ(rig.messages.shown[1].text, "'9' is not a valid integer value (LAST_SPEED_USE): first entry selected");
  EXPECT_EQ(rig.view.Selected(ItemList::Port), "COM 1");
  EXPECT_EQ(rig.view.Selected(ItemList::Speed), "9600");
  EXPECT_EQ(rig.view.Selected(ItemList::Microcontroller), "C:\\fw\\one.h86");

  rig.files.Add("C:\\fw\\one.h86");
  rig.files.Add("C:\\work\\BOOTSTR.H86");
  rig.form.BBDownLoadClick();
  ASSERT_EQ(rig.velk.calls.size(), 3u) << "the user can still download";
  EXPECT_EQ(rig.velk.calls[0].port, 1);
}

TEST(FormCreate, WithoutARegistryTheFormStillStarts) {
  Rig rig;
  rig.registryAvailable = false;
  rig.files.Add("C:\\work\\a.h86");
  rig.files.Add("C:\\work\\BOOTSTR.H86");
  rig.form.FormCreate();
  ASSERT_EQ(rig.messages.shown.size(), 1u);
  EXPECT_EQ(rig.messages.shown[0].text,
            "Unable to open the registry key HKEY_CURRENT_USER\\Software\\Vardo\\VelkKT\\2.1\\config");
  EXPECT_EQ(rig.view.Items(ItemList::Microcontroller),
            (std::vector<std::string>{"C:\\work\\BOOTSTR.H86", "C:\\work\\a.h86"}));
  rig.form.BBDownLoadClick();
  EXPECT_EQ(rig.velk.calls.size(), 3u);
}

TEST(AddCommandLineFile, AddsTheUnquotedPathLastAndSelectsIt) {
  Rig rig;
  rig.registry.WriteString("VLK_H86_1", "C:\\fw\\one.h86");
  rig.form.FormCreate();
  rig.form.AddCommandLineFile("\"D:\\new fw\\board.h86\"");
  EXPECT_EQ(rig.view.Items(ItemList::Microcontroller),
            (std::vector<std::string>{"C:\\fw\\one.h86", "D:\\new fw\\board.h86"}));
  EXPECT_EQ(rig.view.Selected(ItemList::Microcontroller), "D:\\new fw\\board.h86");
  EXPECT_EQ(rig.form.MicroBrowseDirectory(), "D:\\new fw\\board.h86");

  rig.form.AddCommandLineFile("");
  EXPECT_EQ(rig.view.Items(ItemList::Microcontroller).size(), 2u);
}

TEST(AddCommandLineFile, SelectsTheFirstEqualEntryIgnoringCase) {
  Rig rig;
  rig.registry.WriteString("VLK_H86_1", "C:\\FW\\ONE.H86");
  rig.registry.WriteString("VLK_H86_2", "C:\\fw\\two.h86");
  rig.form.FormCreate();
  rig.view.Select(ItemList::Microcontroller, 1);
  rig.form.AddCommandLineFile("\"c:\\fw\\one.h86\"");
  EXPECT_EQ(rig.view.Items(ItemList::Microcontroller).size(), 3u);
  EXPECT_EQ(rig.view.Selection(ItemList::Microcontroller), 0);
}

TEST(Browse, MicrocontrollerKeepsItsDirectoryAndLeavesTheRegistryAlone) {
  Rig rig;
  rig.form.FormCreate();
  rig.view.browseAnswer = "E:\\builds\\v2\\board.h86";
  rig.form.BitBtn15Click();
  rig.form.BitBtn15Click();
  ASSERT_EQ(rig.view.browseRequests.size(), 2u);
  EXPECT_EQ(rig.view.browseRequests[0].filter, "Fichiers HEX 386|*.h86|Opt HEX 386|*.opt");
  EXPECT_EQ(rig.view.browseRequests[0].initialDirectory, "");
  EXPECT_EQ(rig.view.browseRequests[1].initialDirectory, "E:\\builds\\v2\\");
  EXPECT_EQ(rig.view.Items(ItemList::Microcontroller),
            (std::vector<std::string>{"E:\\builds\\v2\\board.h86", "E:\\builds\\v2\\board.h86"}))
      << "no check for an entry already there";
  EXPECT_EQ(rig.view.Selection(ItemList::Microcontroller), 0);
  EXPECT_TRUE(rig.registry.Values().empty());
}

TEST(Browse, FpgaWritesItsDirectoryAndCancelChangesNothing) {
  Rig rig;
  rig.form.FormCreate();
  rig.form.BitBtn1Click();
  EXPECT_TRUE(rig.view.Items(ItemList::Fpga).empty());
  EXPECT_EQ(rig.Value("asDirMcs"), "<missing>");

  rig.view.browseAnswer = "E:\\fpga\\top.mcs";
  rig.form.BitBtn1Click();
  EXPECT_EQ(rig.view.browseRequests.back().filter, "Fichiers Fpga Mcs (*.Mcs)|*.Mcs");
  EXPECT_EQ(rig.view.Selected(ItemList::Fpga), "E:\\fpga\\top.mcs");
  EXPECT_EQ(rig.Value("asDirMcs"), "E:\\fpga\\");
  EXPECT_EQ(rig.form.FpgaBrowseDirectory(), "E:\\fpga\\");
}

TEST(FormButtons, ExitHelpAndClose) {
  Rig rig;
  rig.form.FormCreate();
  rig.form.BitBtn14Click();
  rig.form.BitBtn13Click();
  rig.files.Add("C:\\work\\concat.H86");
  rig.form.FormClose();
  EXPECT_TRUE(rig.Saw("close form"));
  EXPECT_TRUE(rig.Saw("help"));
  EXPECT_FALSE(rig.files.Exists("C:\\work\\concat.H86"));
}

}  // namespace
