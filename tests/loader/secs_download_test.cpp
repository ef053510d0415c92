// "Download SECS": the request to the board, the wait and the download that follows.
#include <gtest/gtest.h>

#include "loader_fakes.h"

namespace {

using loader::CheckBox;
using loader::ItemList;
using loader_test::Rig;

const std::vector<uint8_t> kNumber1234 = {0x01, 0x01, 0xB1, 0x04, 0x00, 0x00, 0x04, 0xD2};

struct Ready : Rig {
  Ready() {
    registry.WriteString("VLK_H86_1", "C:\\fw\\board.h86");
    files.Add("C:\\fw\\board.h86");
    files.Add("C:\\work\\BOOTSTR.H86");
    form.FormCreate();
    view.Select(ItemList::Port, 2);
    view.Select(ItemList::Speed, 1);
    events.clear();
  }
};

TEST(DownloadSecs, RequestGoesOutAndTheLinkStaysOpen) {
  Ready rig;
  rig.view.debugLines.push_back("old line");
  rig.form.BitBtn3Click();
  EXPECT_EQ(rig.events, (std::vector<std::string>{"init 3 0", "baud 3 19200", "write LAST_SPEED_USE=1",
                                                 "send 3 S127F3", "timer on"}));
  ASSERT_EQ(rig.com.sentRecords.size(), 1u);
  const SecsMessage &sent = rig.com.sentRecords[0];
  EXPECT_EQ(sent.stream, 127);
  EXPECT_EQ(sent.function, 3);
  EXPECT_EQ(sent.wait, 0);
  EXPECT_EQ(sent.spare, 0xFF);
  EXPECT_EQ(sent.device, 1);
  EXPECT_EQ(rig.com.headerDevices, (std::vector<int32_t>{1}));
  EXPECT_EQ(rig.com.sentHeaders[0][0], 10) << "header only";
  EXPECT_EQ(rig.view.debugLines, (std::vector<std::string>{"S127F3 sent on COM3"})) << "the list was cleared";
  EXPECT_TRUE(rig.form.WaitingForAnswer());
  EXPECT_EQ(rig.com.openLinks, 1);
}

TEST(DownloadSecs, UniqueNumberReachesVelkAndIsNotReset) {
  Ready rig;
  rig.form.BitBtn3Click();
  rig.form.Timer1Timer();
  rig.com.QueueMessage(127, 4, kNumber1234);
  rig.events.clear();
  rig.form.Timer1Timer();

  EXPECT_EQ(rig.com.unbuildTypes, (std::vector<int32_t>{SECS_HEADER, SECS_LIST, SECS_U4}));
  const std::vector<std::string> head = {"unique -1", "unique 1234", "timer off", "close 3", "init 3 0",
                                         "baud 3 19200", "write LAST_SPEED_USE=1", "send 3 S127F1", "close 3",
                                         "velk 0"};
  ASSERT_GE(rig.events.size(), head.size());
  EXPECT_EQ(std::vector<std::string>(rig.events.begin(), rig.events.begin() + head.size()), head);
  EXPECT_FALSE(rig.Saw("unique -1") && rig.IndexOf("unique -1") > rig.IndexOf("unique 1234"));
  ASSERT_EQ(rig.velk.calls.size(), 3u);
  EXPECT_EQ(rig.velk.calls[1].uniqueNumber, 1234);
  EXPECT_EQ(rig.velk.calls[0].port, 3);
  EXPECT_EQ(rig.velk.calls[0].speed, 57600) << "the download itself always runs at 57600";
  EXPECT_EQ(rig.form.FromSecsPath, 0);
  EXPECT_FALSE(rig.form.WaitingForAnswer());
  EXPECT_EQ(rig.com.openLinks, 0);
  EXPECT_TRUE(rig.com.incoming.empty());
}

TEST(DownloadSecs, OldFirmwareAnswersS9F5AndTheDownloadRunsWithoutNumber) {
  for (int function : {3, 5}) {
    Ready rig;
    rig.form.BitBtn3Click();
    rig.com.QueueMessage(0x80 | 9, function);
    rig.form.Timer1Timer();
    EXPECT_TRUE(rig.com.unbuildTypes.empty());
    ASSERT_EQ(rig.velk.calls.size(), 3u) << "S9F" << function;
    EXPECT_EQ(rig.velk.calls[1].uniqueNumber, -1);
    EXPECT_EQ(rig.com.sentRecords.back().function, 1);
    EXPECT_EQ(rig.com.openLinks, 0);
  }
}

TEST(DownloadSecs, OtherS127FunctionStopsWithoutDownload) {
  Ready rig;
  rig.form.BitBtn3Click();
  rig.com.QueueMessage(127, 2);
  rig.events.clear();
  rig.form.Timer1Timer();
  EXPECT_EQ(rig.events, (std::vector<std::string>{"unique -1", "timer off", "close 3"}));
  EXPECT_TRUE(rig.velk.calls.empty());
  EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(DownloadSecs, OtherMessagesAreFreedAndIgnored) {
  Ready rig;
  rig.form.BitBtn3Click();
  rig.com.QueueMessage(1, 1);
  rig.com.QueueMessage(9, 7);
  rig.com.QueueMessage(127, 4, kNumber1234);
  rig.form.Timer1Timer();
  rig.form.Timer1Timer();
  EXPECT_TRUE(rig.form.WaitingForAnswer());
  EXPECT_TRUE(rig.velk.calls.empty());
  rig.form.Timer1Timer();
  EXPECT_EQ(rig.velk.calls.size(), 3u);
  EXPECT_EQ(rig.com.receptions, 3);
  EXPECT_EQ(rig.com.lastReceivePort, 3);
}

TEST(DownloadSecs, S127F4WithoutNumberIsReportedAndNothingIsDownloaded) {
  Ready rig;
  rig.form.BitBtn3Click();
  rig.com.QueueMessage(127, 4, {0x01, 0x01, 0xA5, 0x01, 0x09});
  rig.form.Timer1Timer();
  EXPECT_TRUE(rig.velk.calls.empty());
  EXPECT_FALSE(rig.form.WaitingForAnswer());
  EXPECT_EQ(rig.com.openLinks, 0);
  ASSERT_EQ(rig.messages.shown.size(), 1u);
  EXPECT_EQ(rig.messages.shown[0].text, "Reponse S127F4 sans numero unique : telechargement abandonne");
}

TEST(DownloadSecs, FailedSendReportsTheCableAndClosesTheLink) {
  Ready rig;
  rig.com.sendResult = 0x100;  // only the low byte counts
  rig.form.BitBtn3Click();
  EXPECT_EQ(rig.messages.shown.back().text, "Erreur de communication verifier le cable");
  EXPECT_EQ(rig.com.openLinks, 0);
  EXPECT_FALSE(rig.view.timerEnabled);
  EXPECT_FALSE(rig.form.WaitingForAnswer());
}

TEST(DownloadSecs, FailedAnnouncementMeansNoDownload) {
  Ready rig;
  rig.form.BitBtn3Click();
  rig.com.sendResult = 0;
  rig.com.QueueMessage(127, 4, kNumber1234);
  rig.form.Timer1Timer();
  EXPECT_EQ(rig.messages.shown.back().text, "Erreur de communication verifier le cable");
  EXPECT_TRUE(rig.velk.calls.empty());
  EXPECT_EQ(rig.com.openLinks, 0);
  EXPECT_EQ(rig.form.FromSecsPath, 0);
}

TEST(DownloadSecs, MissingFileClosesTheLinkAndStopsTheTimer) {
  Ready rig;
  rig.files.contents.erase("C:\\fw\\board.h86");
  rig.form.BitBtn3Click();
  EXPECT_EQ(rig.events, (std::vector<std::string>{"init 3 0", "message C:\\fw\\board.h86 n'existe pas", "close 3"}));
  EXPECT_FALSE(rig.view.timerEnabled);

  Ready later;
  later.form.BitBtn3Click();
  later.files.contents.erase("C:\\fw\\board.h86");
  later.com.QueueMessage(9, 5);
  later.form.Timer1Timer();
  EXPECT_EQ(later.com.openLinks, 0) << "the announcing link is closed too";
  EXPECT_EQ(later.com.sentRecords.size(), 1u);
  EXPECT_TRUE(later.velk.calls.empty());
}

TEST(DownloadSecs, GivesUpAfterTheTimeLimit) {
  Ready rig;
  rig.form.BitBtn3Click();
  for (int tick = 1; tick < loader::kSecsAnswerTicks; ++tick) rig.form.Timer1Timer();
  EXPECT_TRUE(rig.form.WaitingForAnswer());
  EXPECT_TRUE(rig.messages.shown.empty());
  rig.form.Timer1Timer();
  EXPECT_FALSE(rig.form.WaitingForAnswer());
  EXPECT_FALSE(rig.view.timerEnabled);
  EXPECT_EQ(rig.com.openLinks, 0);
  ASSERT_EQ(rig.messages.shown.size(), 1u);
  EXPECT_EQ(rig.messages.shown[0].text, "Pas de reponse de la carte : demande de telechargement abandonnee");
}

TEST(DownloadSecs, PressingAgainOrDownloadingOrClosingEndsTheWait) {
  Ready again;
  again.form.BitBtn3Click();
  again.form.BitBtn3Click();
  EXPECT_EQ(again.com.openLinks, 1) << "the first link is closed before the second request";
  EXPECT_EQ(again.com.sentRecords.size(), 2u);

  Ready download;
  download.form.BitBtn3Click();
  download.form.BBDownLoadClick();
  EXPECT_FALSE(download.form.WaitingForAnswer());
  EXPECT_LT(download.IndexOf("close 3"), download.IndexOf("velk 0"));

  Ready closing;
  closing.form.BitBtn3Click();
  closing.form.FormClose();
  EXPECT_EQ(closing.com.openLinks, 0);
  EXPECT_FALSE(closing.view.timerEnabled);
}

TEST(DownloadSecs, StrayTickWhileIdleOnlyStopsTheTimer) {
  Ready rig;
  rig.form.Timer1Timer();
  EXPECT_EQ(rig.events, (std::vector<std::string>{"timer off"}));
  EXPECT_EQ(rig.com.receptions, 0);
}

TEST(DownloadSecs, SpeedOutsideTheTableRuns9600) {
  Ready rig;
  rig.view.AddItem(ItemList::Speed, "115200");
  rig.view.Select(ItemList::Speed, 3);
  rig.form.BitBtn3Click();
  EXPECT_TRUE(rig.Saw("baud 3 9600"));
  EXPECT_EQ(rig.Value("LAST_SPEED_USE"), "3");
}

}  // namespace
