#include "panel_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "diag_ids.h"
#include "fake_dialog_view.h"

namespace {

class FakeExchange : public diag::DiagExchange {
 public:
  int SendDiagRequest(int requestKind) override {
    sentKinds.push_back(requestKind);
    return acceptSend ? 1 : 0;
  }
  int ReceiveDiagReply() override {
    ++receiveCalls;
    if (replies.empty()) return 0;
    const int reply = replies.front();
    replies.pop_front();
    return reply;
  }
  std::vector<int> sentKinds;
  std::deque<int> replies;
  bool acceptSend = true;
  int receiveCalls = 0;
};

// Records every call in order, so the tests check the order the cycle promises.
class FakeHost : public diag::PanelEngineHost {
 public:
  void StopTimer() override {
    log.push_back("stop");
    timerRunning = false;
  }
  void StartTimer() override {
    log.push_back("start");
    timerRunning = true;
  }
  bool CommActive() const override { return commActive; }
  void SetCommActive(bool active) override {
    log.push_back(active ? "link on" : "link off");
    commActive = active;
  }
  int RowCount() const override { return rows; }
  void IssueRequest() override {
    log.push_back("request");
    engine->SendRequest();
  }
  void ShowValues() override { log.push_back("values"); }
  void RunNoResponseDialog() override {
    log.push_back("dialog");
    EXPECT_FALSE(commActive) << "the dialog runs with the link already off";
  }
  void UncheckComBox() override { log.push_back("uncheck"); }
  diag::DialogView &View() override { return view; }

  diag::PanelEngine *engine = nullptr;
  bool commActive = true;
  bool timerRunning = false;
  int rows = 1;
  std::vector<std::string> log;
  diag_test::FakeDialogView view;
};

class PanelEngineTest : public ::testing::Test {
 protected:
  PanelEngineTest() { host.engine = &engine; }
  FakeExchange exchange;
  FakeHost host;
  diag::PanelEngine engine{1, host, exchange};
};

TEST_F(PanelEngineTest, TimerIdentifierFollowsThePanelKind) {
  EXPECT_EQ(engine.TimerId(), 888);
  EXPECT_EQ(diag::PanelEngine(0, host, exchange).TimerId(), 887);
  EXPECT_EQ(diag::PanelEngine(3, host, exchange).TimerId(), 890);
}

TEST_F(PanelEngineTest, IdleTickWithLinkOnSendsTheRequestOfItsKindAndArmsTheCountdown) {
  engine.OnTick();
  EXPECT_EQ(exchange.sentKinds, std::vector<int>{1});
  EXPECT_TRUE(engine.Busy());
  EXPECT_EQ(host.view.Text(IDC_COUNTDOWN), "050");
  EXPECT_EQ(engine.Countdown(), 49u);
  EXPECT_EQ(host.log, (std::vector<std::string>{"stop", "request", "start"}));
  EXPECT_TRUE(host.timerRunning);
}

TEST_F(PanelEngineTest, NothingIsSentWithoutRowsOrWithoutLinkOrWhileBusy) {
  host.rows = 0;
  engine.OnTick();
  EXPECT_TRUE(exchange.sentKinds.empty());

  host.rows = 1;
  host.commActive = false;
  engine.OnTick();
  EXPECT_TRUE(exchange.sentKinds.empty());
  EXPECT_EQ(host.view.Text(IDC_COUNTDOWN), "--");

  host.commActive = true;
  engine.OnTick();
  engine.OnTick();
  EXPECT_EQ(exchange.sentKinds.size(), 1u);
  EXPECT_EQ(exchange.receiveCalls, 4) << "the reply is asked for on every tick";
}

TEST_F(PanelEngineTest, ReplyShowsValuesAndTheNextTickSendsAgain) {
  engine.OnTick();
  exchange.replies.push_back(1);
  host.log.clear();
  engine.OnTick();
  EXPECT_FALSE(engine.Busy());
  EXPECT_EQ(host.view.Text(IDC_COUNTDOWN), "--");
  EXPECT_EQ(host.log, (std::vector<std::string>{"stop", "values", "start"}));
  engine.OnTick();
  EXPECT_EQ(exchange.sentKinds.size(), 2u);
}

TEST_F(PanelEngineTest, ReplyArrivingOnTheSendingTickIsShownAtOnce) {
  exchange.replies.push_back(1);
  engine.OnTick();
  EXPECT_FALSE(engine.Busy());
  EXPECT_EQ(host.view.Text(IDC_COUNTDOWN), "--");
  EXPECT_EQ(host.log, (std::vector<std::string>{"stop", "request", "values", "start"}));
}

TEST_F(PanelEngineTest, CountdownRunsFrom050To000ThenNoResponseSwitchesTheLinkOff) {
  std::vector<std::string> shown;
  engine.OnTick();
  shown.push_back(host.view.Text(IDC_COUNTDOWN));
  while (engine.Busy() && shown.size() < 60) {
    engine.OnTick();
    if (engine.Busy()) shown.push_back(host.view.Text(IDC_COUNTDOWN));
  }
  ASSERT_EQ(shown.size(), 50u);
  EXPECT_EQ(shown.front(), "050");
  EXPECT_EQ(shown[1], "049");
  EXPECT_EQ(shown.back(), "001");
  EXPECT_FALSE(host.commActive);
  EXPECT_EQ(host.view.Text(IDC_COUNTDOWN), "--");
  EXPECT_EQ(exchange.receiveCalls, 51) << "the reply is awaited for 51 ticks in all";
  const std::vector<std::string> lastTick(host.log.end() - 5, host.log.end());
  EXPECT_EQ(lastTick, (std::vector<std::string>{"stop", "link off", "dialog", "uncheck", "start"}));
  engine.OnTick();
  EXPECT_EQ(exchange.sentKinds.size(), 1u) << "no further request once the link is off";
}

TEST_F(PanelEngineTest, ReplyOnTheLastTickStillCounts) {
  engine.OnTick();
  for (int i = 0; i < 49; ++i) engine.OnTick();
  EXPECT_EQ(host.view.Text(IDC_COUNTDOWN), "001");
  exchange.replies.push_back(1);
  engine.OnTick();
  EXPECT_FALSE(engine.Busy());
  EXPECT_TRUE(host.commActive);
}

TEST_F(PanelEngineTest, RefusedSendGivesUpAtOnce) {
  exchange.acceptSend = false;
  engine.OnTick();
  EXPECT_FALSE(engine.Busy());
  EXPECT_FALSE(host.commActive);
  EXPECT_EQ(host.log, (std::vector<std::string>{"stop", "request", "stop", "link off", "dialog", "uncheck",
                                                "start", "start"}));
}

TEST_F(PanelEngineTest, LinkSwitchedOffWhileBusyClearsBusyWithoutTheDialog) {
  engine.OnTick();
  host.commActive = false;
  host.log.clear();
  engine.OnTick();
  EXPECT_FALSE(engine.Busy());
  EXPECT_EQ(host.view.Text(IDC_COUNTDOWN), "--");
  EXPECT_EQ(host.log, (std::vector<std::string>{"stop", "start"}));
}

// A visit to the Debug panel hides the polling panel while its reply is awaited;
// nobody takes the reply meanwhile and the machine may give it up.
TEST_F(PanelEngineTest, ReplyLostWhileHiddenIsAskedForAgainNotReportedAsNoResponse) {
  engine.OnTick();
  for (int i = 0; i < 10; ++i) engine.OnTick();
  engine.OnShown(false);
  engine.OnShown(true);
  ASSERT_TRUE(engine.Busy());
  for (int i = 0; i < 50; ++i) engine.OnTick();
  EXPECT_EQ(host.view.Text(IDC_COUNTDOWN), "001") << "a fresh countdown after the panel came back";
  engine.OnTick();
  EXPECT_FALSE(engine.Busy());
  EXPECT_TRUE(host.commActive);
  EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "dialog"), 0);
  ASSERT_EQ(exchange.sentKinds.size(), 1u);
  engine.OnTick();
  EXPECT_EQ(exchange.sentKinds.size(), 2u) << "the request goes out again";

  // The request sent again is awaited as any other: no reply, no response.
  for (int i = 0; i < 51 && engine.Busy(); ++i) engine.OnTick();
  EXPECT_FALSE(host.commActive);
  EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "dialog"), 1);
}

TEST_F(PanelEngineTest, ReplyStillOfferedWhenThePanelComesBackIsTaken) {
  engine.OnTick();
  engine.OnShown(false);
  engine.OnShown(true);
  exchange.replies.push_back(1);
  engine.OnTick();
  EXPECT_FALSE(engine.Busy());
  EXPECT_EQ(host.log.back(), "start");
  EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "values"), 1);
  EXPECT_EQ(exchange.sentKinds.size(), 1u);
}

TEST_F(PanelEngineTest, ShownStartsAndHiddenStopsTheTimer) {
  engine.OnShown(true);
  EXPECT_TRUE(host.timerRunning);
  engine.OnShown(false);
  EXPECT_FALSE(host.timerRunning);
}

TEST(ActivityLamps, OneLampMovesAcrossFourAndAllGoOutWithTheLink) {
  diag::ActivityLamps lamps;
  diag_test::FakeDialogView view;
  std::vector<int> seen;
  for (int tick = 0; tick < 6; ++tick) {
    lamps.Step(true, view);
    seen.push_back(lamps.Index());
    int lit = 0;
    for (int i = 0; i < 4; ++i) lit += view.Shown(IDC_LAMP_0 + i);
    EXPECT_EQ(lit, 1);
    EXPECT_TRUE(view.Shown(IDC_LAMP_0 + lamps.Index()));
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 0, 1}));
  lamps.Step(false, view);
  EXPECT_EQ(lamps.Index(), -1);
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(view.Shown(IDC_LAMP_0 + i));
  lamps.Step(true, view);
  EXPECT_EQ(lamps.Index(), 0);
}

TEST(FormatCountdown, ThreeDigits) {
  EXPECT_EQ(diag::FormatCountdown(50), "050");
  EXPECT_EQ(diag::FormatCountdown(0), "000");
  EXPECT_EQ(diag::FormatCountdown(7), "007");
}

}  // namespace
