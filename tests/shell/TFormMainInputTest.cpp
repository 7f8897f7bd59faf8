// Mouse routing details that belong to the window itself.
#include <gtest/gtest.h>

#include <algorithm>

#include "shell/ShellRig.h"

TEST(FormMainInput, EveryWindowReportsItsOwnCursorChanges) {
  // Tests make many windows in one process; one window's hand must not hide the next one's.
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    ShellRig r;
    r.form->NameList->Add("BRAM");
    r.form->NameList->Left = 100;
    r.form->NameList->Top = 100;
    r.form->SetScene(gsPlayerSelect);
    auto count = [&](const std::string& line) {
      return std::count(r.trace.begin(), r.trace.end(), line);
    };
    r.form->FormMouseMove(10, 10);  // a new window shows the arrow already
    EXPECT_EQ(count("cursor arrow"), 0);
    r.form->FormMouseMove(150, 110);  // over the name
    r.form->FormMouseMove(160, 112);
    EXPECT_EQ(count("cursor hand"), 1);
    EXPECT_EQ(r.window.Cursor, TCursorKind::Hand);
    // The window goes with the hand still shown.
  }
}

TEST(FormMainInput, TwoWindowsAtOnceKeepTheirOwnCursor) {
  ShellRig a, b;
  for (ShellRig* r : {&a, &b}) {
    r->form->NameList->Add("BRAM");
    r->form->NameList->Left = 100;
    r->form->NameList->Top = 100;
    r->form->SetScene(gsPlayerSelect);
  }
  a.form->FormMouseMove(150, 110);  // over a's name
  b.form->FormMouseMove(10, 10);
  EXPECT_EQ(a.window.Cursor, TCursorKind::Hand);
  EXPECT_EQ(b.window.Cursor, TCursorKind::Arrow);
  // b's widget asks for the hand outside b's own mouse move: a's next move does not see it.
  b.form->NameList->OnHoverName();
  a.form->FormMouseMove(10, 10);
  EXPECT_EQ(a.window.Cursor, TCursorKind::Arrow);
  b.form->FormMouseMove(150, 110);
  a.form->FormMouseMove(12, 12);
  EXPECT_EQ(b.window.Cursor, TCursorKind::Hand);
  EXPECT_EQ(a.window.Cursor, TCursorKind::Arrow);
}
