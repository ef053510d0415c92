#include "switchboard_rules.h"

#include <gtest/gtest.h>

namespace {

using diag::PanelSituation;
using diag::PanelSwitchRule;

PanelSituation Situation(int current, bool commActive) {
  PanelSituation situation;
  situation.currentPanel = current;
  situation.commActive = commActive;
  situation.debugVisible = current == diag::kPanelDebug;
  situation.aboutVisible = current == diag::kPanelAbout;
  return situation;
}

TEST(PanelSwitchRule, LinkOffAllowsEveryPanelAndTheFileChoice) {
  PanelSwitchRule rule;
  for (int code = 0; code <= diag::kChooseFileCode; ++code) {
    EXPECT_TRUE(rule.CanSelectPanel(code, Situation(2, false))) << code;
  }
}

TEST(PanelSwitchRule, LinkOnAllowsOnlyDebugFromAPollingPanel) {
  PanelSwitchRule rule;
  for (int code : {0, 2, 3, 5, diag::kChooseFileCode}) {
    EXPECT_FALSE(rule.CanSelectPanel(code, Situation(1, true))) << code;
  }
  EXPECT_TRUE(rule.CanSelectPanel(diag::kPanelDebug, Situation(1, true)));
  EXPECT_EQ(rule.ReturnPanel(), 1);
}

TEST(PanelSwitchRule, FromDebugWithLinkOnOnlyTheReturnPanelIsAllowed) {
  PanelSwitchRule rule;
  ASSERT_TRUE(rule.CanSelectPanel(diag::kPanelDebug, Situation(3, true)));
  for (int code : {0, 1, 2, 5}) EXPECT_FALSE(rule.CanSelectPanel(code, Situation(4, true))) << code;
  EXPECT_FALSE(rule.CanSelectPanel(diag::kChooseFileCode, Situation(4, true)));
  EXPECT_TRUE(rule.CanSelectPanel(3, Situation(4, true)));
}

TEST(PanelSwitchRule, AboutVisibleAllowsEverythingEvenWithLinkOn) {
  PanelSwitchRule rule;
  for (int code = 0; code <= diag::kChooseFileCode; ++code) {
    EXPECT_TRUE(rule.CanSelectPanel(code, Situation(diag::kPanelAbout, true))) << code;
  }
}

TEST(PanelSwitchRule, FileChoiceFollowsTheLinkWhateverPanelIsShown) {
  PanelSwitchRule rule;
  EXPECT_FALSE(rule.CanSelectPanel(diag::kChooseFileCode, Situation(0, true)));
  EXPECT_TRUE(rule.CanSelectPanel(diag::kChooseFileCode, Situation(0, false)));
  EXPECT_TRUE(rule.CanSelectPanel(diag::kChooseFileCode, Situation(diag::kPanelDebug, false)));
}

TEST(PanelSwitchRule, EnteringDebugFromAboutRemembersAbout) {
  PanelSwitchRule rule;
  ASSERT_TRUE(rule.CanSelectPanel(diag::kPanelDebug, Situation(diag::kPanelAbout, true)));
  EXPECT_EQ(rule.ReturnPanel(), diag::kPanelAbout);
  EXPECT_TRUE(rule.CanSelectPanel(diag::kPanelAbout, Situation(diag::kPanelDebug, true)));
  EXPECT_FALSE(rule.CanSelectPanel(0, Situation(diag::kPanelDebug, true)));
}

}  // namespace
