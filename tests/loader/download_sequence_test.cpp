// BBDownLoadClick and CheckFilesExist against a recording VELK2.
#include <gtest/gtest.h>

#include "loader_fakes.h"

namespace {

using loader::CheckBox;
using loader::ItemList;
using loader_test::Rig;

// A started form whose microcontroller list is the registry's, with BOOTSTR.H86 present.
struct Ready : Rig {
  Ready() {
    for (int i = 0; i < 5; ++i) {
      const std::string path = "C:\\fw\\f" + std::to_string(i) + ".h86";
      registry.WriteString("VLK_H86_" + std::to_string(i + 1), path);
      files.Add(path);
    }
    registry.WriteString("VLK_MCS_1", "C:\\fpga\\top.mcs");
    files.Add("C:\\fpga\\top.mcs");
    files.Add("C:\\work\\BOOTSTR.H86");
    files.Add("C:\\work\\SuiviDll.txt");
    form.FormCreate();
    events.clear();
  }
};

TEST(Download, FullSequenceInOrder) {
  Ready rig;
  rig.files.Add("C:\\fw\\LastDownloadedFile.ldw", "older");
  rig.view.Select(ItemList::Port, 7);
  rig.view.Select(ItemList::Microcontroller, 3);
  rig.view.SetChecked(CheckBox::Verify, true);
  rig.form.BBDownLoadClick();

  const std::vector<std::string> expected = {
      "unique -1",
      "velk 0",
      "write INDEX_COM_USE=7",
      "label COM8 Open.",
      "remove C:\\work\\SuiviDll.txt",
      "remove C:\\work\\SuiviThread.txt",
      "open r+ C:\\work\\BOOTSTR.H86",
      "copy C:\\fw\\f3.h86 -> C:\\fw\\LastDownloadedFile.ldw",
      "write VLK_H86_1=C:\\fw\\f3.h86",
      "write VLK_H86_2=C:\\fw\\f0.h86",
      "write VLK_H86_3=C:\\fw\\f1.h86",
      "write VLK_H86_4=C:\\fw\\f2.h86",
      "write VLK_H86_5=C:\\fw\\f4.h86",
      "velk 7",
      "velk 1",
      "label COM8 Close.",
  };
  EXPECT_EQ(rig.events, expected);
  ASSERT_EQ(rig.velk.calls.size(), 3u);
  EXPECT_EQ(rig.velk.calls[0].port, 8);
  EXPECT_EQ(rig.velk.calls[0].speed, 57600);
  EXPECT_EQ(rig.velk.calls[0].window, rig.view.WindowHandle());
  const loader_test::VelkCall &download = rig.velk.calls[1];
  EXPECT_TRUE(download.addressesPointIntoArea);
  EXPECT_TRUE(download.unusedBytesZero);
  EXPECT_EQ(download.bootName, "BOOTSTR.H86");
  EXPECT_EQ(download.microPath, "C:\\fw\\f3.h86");
  EXPECT_EQ(download.fpgaPath, "C:\\fpga\\top.mcs");
  EXPECT_EQ(download.verify, 1);
  EXPECT_EQ(download.loadMicro, 1);
  EXPECT_EQ(download.loadFpga, 0);
  EXPECT_EQ(download.uniqueNumber, -1);
  EXPECT_TRUE(rig.velk.calls[2].nullBlock);
  EXPECT_EQ(rig.files.contents["C:\\fw\\LastDownloadedFile.ldw"], "data");
  EXPECT_EQ(rig.view.Items(ItemList::Microcontroller)[0], "C:\\fw\\f0.h86") << "the shown list does not change";
  EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(Download, NewPathDropsTheOldestAndSameFileInOtherCaseKeepsStoredText) {
  Ready rig;
  rig.files.Add("D:\\new.h86");
  rig.form.AddCommandLineFile("\"D:\\new.h86\"");
  rig.form.BBDownLoadClick();
  EXPECT_EQ(rig.Value("VLK_H86_1"), "D:\\new.h86");
  EXPECT_EQ(rig.Value("VLK_H86_5"), "C:\\fw\\f3.h86");

  rig.registry.WriteString("VLK_H86_4", "C:\\FW\\SHOUTED.H86");
  rig.files.Add("c:\\fw\\shouted.h86");
  rig.form.AddCommandLineFile("\"c:\\fw\\shouted.h86\"");
  rig.form.BBDownLoadClick();
  EXPECT_EQ(rig.Value("VLK_H86_1"), "C:\\FW\\SHOUTED.H86");
  EXPECT_EQ(rig.Value("VLK_H86_2"), "D:\\new.h86");
  EXPECT_EQ(rig.Value("VLK_H86_5"), "C:\\fw\\f3.h86");
  ASSERT_EQ(rig.velk.calls.size(), 6u);
  EXPECT_EQ(rig.velk.calls[4].microPath, "c:\\fw\\shouted.h86") << "the block carries the selection";
}

TEST(Download, ListsAreReloadedFromTheRegistryBeforeTheUpdate) {
  Ready rig;
  rig.registry.WriteString("VLK_H86_2", "C:\\elsewhere\\written meanwhile.h86");
  rig.form.BBDownLoadClick();
  EXPECT_EQ(rig.Value("VLK_H86_1"), "C:\\fw\\f0.h86");
  EXPECT_EQ(rig.Value("VLK_H86_2"), "C:\\elsewhere\\written meanwhile.h86");
}

TEST(Download, UntickedKindsLeaveTheirRegistryListButTravelWithFlagZero) {
  Ready rig;
  rig.view.SetChecked(CheckBox::SiemensLoad, false);
  rig.view.Select(ItemList::Microcontroller, 2);
  rig.form.BBDownLoadClick();
  for (const std::string &e : rig.events) EXPECT_EQ(e.rfind("write VLK_", 0), std::string::npos) << e;
  EXPECT_TRUE(rig.Saw("copy C:\\fw\\f2.h86 -> C:\\fw\\LastDownloadedFile.ldw"));
  const loader_test::VelkCall &download = rig.velk.calls[1];
  EXPECT_EQ(download.microPath, "C:\\fw\\f2.h86");
  EXPECT_EQ(download.loadMicro, 0);
  EXPECT_EQ(download.loadFpga, 0);
  EXPECT_EQ(rig.velk.calls.size(), 3u) << "only the bootstrap file is loaded, but the download runs";
}

TEST(Download, FpgaTickedUpdatesItsListAndAsksForPowerOff) {
  Ready rig;
  rig.view.SetChecked(CheckBox::XilinxLoad, true);
  rig.files.Add("C:\\fpga\\second.mcs");
  rig.view.AddItem(ItemList::Fpga, "C:\\fpga\\second.mcs");
  rig.view.Select(ItemList::Fpga, 1);
  rig.form.BBDownLoadClick();
  EXPECT_EQ(rig.Value("VLK_MCS_1"), "C:\\fpga\\second.mcs");
  EXPECT_EQ(rig.Value("VLK_MCS_2"), "C:\\fpga\\top.mcs");
  EXPECT_EQ(rig.Value("VLK_MCS_3"), "<missing>");
  EXPECT_EQ(rig.velk.calls[1].loadFpga, 1);
  const int shutDown = rig.IndexOf("message You must shut-down power to terminate operation");
  ASSERT_GE(shutDown, 0);
  EXPECT_GT(shutDown, rig.IndexOf("velk 7"));
  EXPECT_LT(shutDown, rig.IndexOf("velk 1"));
}

TEST(Download, MissingFileStopsBeforeAnyPort) {
  Ready rig;
  rig.files.contents.erase("C:\\fw\\f0.h86");
  rig.form.BBDownLoadClick();
  EXPECT_EQ(rig.events, (std::vector<std::string>{"message C:\\fw\\f0.h86 n'existe pas"}));

  Ready fpga;
  fpga.view.SetChecked(CheckBox::XilinxLoad, true);
  fpga.view.ClearItems(ItemList::Fpga);
  fpga.form.BBDownLoadClick();
  EXPECT_EQ(fpga.events, (std::vector<std::string>{"message  n'existe pas"})) << "no FPGA entry: empty path";
}

TEST(Download, EmptyListOnFirstStartStopsAtTheFileCheck) {
  Rig rig;
  rig.form.FormCreate();
  EXPECT_FALSE(rig.form.CheckFilesExist());
  rig.form.BBDownLoadClick();
  EXPECT_TRUE(rig.velk.calls.empty());
  EXPECT_EQ(rig.messages.shown.back().text, " n'existe pas");

  rig.view.SetChecked(CheckBox::SiemensLoad, false);
  EXPECT_TRUE(rig.form.CheckFilesExist()) << "neither box ticked";
}

TEST(Download, PortThatWillNotOpenEndsEverything) {
  Ready rig;
  rig.velk.openResult = -1;
  rig.form.BBDownLoadClick();
  EXPECT_EQ(rig.events, (std::vector<std::string>{"unique -1", "velk 0", "message Unable To Open COM"}));
  EXPECT_EQ(rig.Value("INDEX_COM_USE"), "<missing>");

  Ready other;
  other.velk.openResult = 3;
  other.form.BBDownLoadClick();
  EXPECT_EQ(other.velk.calls.size(), 3u) << "any value but -1 is success";
}

TEST(Download, MissingOrReadOnlyBootstrapClosesThePort) {
  for (bool readOnly : {false, true}) {
    Ready rig;
    if (readOnly) {
      rig.files.readOnly.insert("C:\\work\\BOOTSTR.H86");
    } else {
      rig.files.contents.erase("C:\\work\\BOOTSTR.H86");
    }
    rig.form.BBDownLoadClick();
    const std::vector<std::string> expected = {
        "unique -1", "velk 0", "write INDEX_COM_USE=0", "label COM1 Open.",
        "remove C:\\work\\SuiviDll.txt", "remove C:\\work\\SuiviThread.txt", "open r+ C:\\work\\BOOTSTR.H86",
        "message File BOOSTR.H86 not found", "velk 1", "label COM1 Close."};
    EXPECT_EQ(rig.events, expected) << (readOnly ? "read-only" : "missing");
  }
}

TEST(Download, FailedCopyIsIgnored) {
  Ready rig;
  rig.files.failCopy = true;
  rig.form.BBDownLoadClick();
  EXPECT_EQ(rig.velk.calls.size(), 3u);
  EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(Download, CopyBesideAFileInADriveRoot) {
  Ready rig;
  rig.files.Add("D:\\root.h86");
  rig.form.AddCommandLineFile("D:\\root.h86");
  rig.form.BBDownLoadClick();
  EXPECT_TRUE(rig.Saw("copy D:\\root.h86 -> D:\\LastDownloadedFile.ldw"));
}

TEST(Download, TooLongPathToLoadIsRefusedBeforeThePort) {
  Ready rig;
  const std::string longPath = "C:\\" + std::string(300, 'x') + ".h86";
  rig.files.Add(longPath);
  rig.form.AddCommandLineFile(longPath);
  rig.form.BBDownLoadClick();
  EXPECT_TRUE(rig.velk.calls.empty());
  ASSERT_EQ(rig.messages.shown.size(), 1u);
  EXPECT_EQ(rig.messages.shown[0].text, "Chemin trop long (299 caracteres au plus) : " + longPath);

  rig.view.SetChecked(CheckBox::SiemensLoad, false);
  rig.form.BBDownLoadClick();
  ASSERT_EQ(rig.velk.calls.size(), 3u) << "a path not to be loaded travels empty";
  EXPECT_EQ(rig.velk.calls[1].microPath, "");
}

}  // namespace
