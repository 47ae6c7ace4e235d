// The frame the five option dialogs share, checked in each of them: the
// set list of the dialog's own type with Update and Default (and Enter in
// it, also in the management dialog's list of profiles), EXIT, the sample
// redraw, and the drawing target given back.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <string>
#include <tuple>

#include "annotation/Areas.h"
#include "annotation/Dimension.h"
#include "annotation/Fills.h"
#include "annotation/Texthand.h"
#include "app/Setings.h"
#include "commands/Trims.h"
#include "model/LayerItems.h"
#include "model/Top.h"
#include "platform/Prompts.h"
#include "platform/SurfaceWidget.h"
#include "storage/LoadFonts.h"
#include "storage/SpoiltDatabase.h"
#include "storage/TestDatabase.h"
#include "support/DialogKeys.h"
#include "view/ViewFixture.h"
#include "view/Zooms.h"
#include "windows/controls/OptionFrame.h"

namespace lintavo {
namespace {

// One option dialog: its menu item, its set type and, for a dialog with a
// sample, a change the user makes that redraws it and what shows the
// sample in a dialog just opened (nullptr: opening draws it).
struct FrameRow {
  const char* menu;
  Integer Stype;
  std::function<void(OptionFrame&)> change;  // nullptr: no sample
  std::function<void(OptionFrame&)> show;
};

void Click(OptionFrame& dialog, const char* name) { dialog.findChild<QAbstractButton*>(name)->click(); }

const FrameRow Rows[] = {
    {"mnuOptionsText", SettingText, [](OptionFrame& d) { Click(d, "Check4"); }, nullptr},  // underline
    {"mnuOptionsDimension", SettingDimension,
     [](OptionFrame& d) { d.findChild<QListWidget*>("List1")->setCurrentRow(1); },  // partitioned
     nullptr},
    {"mnuOptionsFills", SettingFills,
     [](OptionFrame& d) {
       auto* pattern = d.findChild<QComboBox*>("Combo5");
       pattern->setCurrentIndex(6);  // "Cross": no redraw of its own
       emit pattern->activated(6);
       Click(d, "Command3");
     },
     [](OptionFrame& d) { Click(d, "Command3"); }},  // "Preview Fill"
    {"mnuOptionsDrawing", SettingDrawing, nullptr, nullptr},
    {"mnuOptionsDisplay", SettingDisplay, nullptr, nullptr},
};

// The view the cache holds, and the two preview switches.
auto ViewNow() {
  return std::make_tuple(ViewPixMaxX, ViewPixMaxY, ViewWinMinX, ViewWinMaxX, ViewWinMaxY, ViewBaseX, ViewBaseY,
                         ViewScaleX, ViewZoom, PreviewMode, PreviewAllLayers);
}

// The drawing target now, and whether the cache holds its view with the
// preview switches off.
std::pair<Surface*, bool> TargetNow() {
  const auto view = ViewNow();
  LoadViewCache();
  PreviewMode = PreviewAllLayers = FlagFalse;
  return {ActiveDoc, view == ViewNow()};
}

class OptionFrameTest : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    for (Integer t = SettingDrawing; t <= SettingFills; ++t) SetBuiltInDefaults(t);
    doc_ = Open(1, "New Drawing");
    ShowAtScale(doc_, 96, 0);
    FontName = "Text";  // a font the tests' support files hold
    DimLetterHeight = 1;
    BoundaryColor = 0x00FF00;
    CurFillColor = 0x0000FF;
  }
  // The row's dialog worked by operate, then closed by EXIT unless operate closed it.
  void Options(const FrameRow& row, std::function<void(OptionFrame&)> operate) {
    Responder().OnDialog<OptionFrame>(std::move(operate), &OptionFrame::cmdClose);
    main_->MenuItem(row.menu)->trigger();
  }
  // The sample a dialog just opened shows.
  QImage FreshSample(const FrameRow& row) {
    QImage shown;
    Options(row, [&](OptionFrame& d) {
      if (row.show) row.show(d);
      shown = d.Picture1->Image().copy();
    });
    return shown;
  }

  FixedDpiDocument* doc_ = nullptr;
};

TEST_F(OptionFrameTest, UpdateStoresTheNamedSetOfTheDialogsOwnType) {
  for (const FrameRow& row : Rows) {
    const Long before = SettingCount;
    Options(row, [](OptionFrame& d) {
      d.Combo1->setCurrentText("Qz Frame");
      d.cmdUpdate->click();
      d.cmdUpdate->click();  // the same name again: the set is rewritten, not added
    });
    EXPECT_EQ(SettingCount, before + 1) << row.menu;
    EXPECT_NE(FindSettingSet("Qz Frame", row.Stype), 0) << row.menu;
  }
}

TEST_F(OptionFrameTest, DefaultMakesTheNamedSetTheDefaultOfTheDialogsType) {
  for (const FrameRow& row : Rows) {
    StoreSettings("Qz Mine", row.Stype);
    Options(row, [](OptionFrame& d) {
      d.Combo1->setCurrentText("Qz Mine");
      d.cmdDefault->click();
    });
    const Long defaults = FindSettingSet(DefaultsSetName, SettingProfile);
    ASSERT_NE(defaults, 0) << row.menu;
    EXPECT_EQ(SettingSets[defaults].StrSlot[row.Stype + 1], "Qz Mine") << row.menu;
  }
}

// The set box of every option dialog with a set row, the management
// profiles' included, worked from the keyboard: a new name and Enter store
// the current options under it, a new row of the settings database, after
// the echo of the dialogs that have one; Enter closes no dialog.
struct EnterRow {
  const char* menu;
  Integer Stype;
  bool echoes;  // " input = " and the name first
};
const EnterRow EnterRows[] = {
    {"mnuOptionsText", SettingText, false},       {"mnuOptionsDimension", SettingDimension, false},
    {"mnuOptionsFills", SettingFills, false},     {"mnuOptionsDrawing", SettingDrawing, true},
    {"mnuOptionsDisplay", SettingDisplay, false}, {"mnuOptionsSettings", SettingProfile, true},
};

TEST_F(OptionFrameTest, EnterInTheSetBoxStoresTheTypedNameAndKeepsTheDialogOpen) {
  for (const EnterRow& row : EnterRows) {
    SCOPED_TRACE(row.menu);
    const String name = "Qz Entered " + std::to_string(row.Stype);
    const size_t promptsBefore = Responder().Prompts().size();
    if (row.echoes) Responder().AnswerMsgBox(vbOK);
    QComboBox* box = nullptr;
    QWidget* focused = nullptr;
    bool open = false;
    Responder().OnModalWindow([&](QDialog& d) {
      box = d.findChild<QComboBox*>("Combo1");
      ASSERT_NE(box, nullptr);
      focused = ClickRetypeAndEnter(box, QString::fromStdString(name));
      open = d.isVisible();
      if (open) d.findChild<QPushButton*>("cmdClose")->click();
    });
    main_->MenuItem(row.menu)->trigger();
    EXPECT_EQ(focused, box);
    EXPECT_TRUE(open);
    const std::vector<std::vector<String>> stored =
        TestDatabase(AppFolder() + "/Support/Settings_qz.mdb")
            .Rows("SELECT Stype FROM Settings WHERE StrSlot1 = ?", {DbValue(name)});
    EXPECT_EQ(stored, (std::vector<std::vector<String>>{{std::to_string(row.Stype)}}));
    const std::vector<String> echoed =
        row.echoes ? std::vector<String>{" input = " + name} : std::vector<String>{};
    std::vector<String> shown;
    for (const PromptRecord& prompt : Responder().MessageBoxes(promptsBefore)) shown.push_back(prompt.text);
    EXPECT_EQ(shown, echoed);
  }
}

// A name typed into the set list but neither entered nor stored is dropped by EXIT.
TEST_F(OptionFrameTest, ExitClosesWithoutStoringOrApplyingATypedName) {
  for (const FrameRow& row : Rows) {
    const Long before = SettingCount;
    const String current = CurrentSettingNames[row.Stype];
    bool closed = false;
    Options(row, [&](OptionFrame& d) {
      d.Combo1->setCurrentText("Qz Typed");
      d.cmdClose->click();
      closed = !d.isVisible();
    });
    EXPECT_TRUE(closed) << row.menu;
    EXPECT_EQ(SettingCount, before) << row.menu;
    EXPECT_EQ(CurrentSettingNames[row.Stype], current) << row.menu;
  }
}

// After a change the picture is what a fresh dialog with the same options
// draws: nothing of the sample before it stays.
TEST_F(OptionFrameTest, TheSampleAfterAChangeIsTheSampleAFreshDialogDraws) {
  for (const FrameRow& row : Rows) {
    if (!row.change) continue;
    QImage first, changed;
    bool hasPicture = false;
    Options(row, [&](OptionFrame& d) {
      hasPicture = d.Picture1 != nullptr;
      if (row.show) row.show(d);
      first = d.Picture1->Image().copy();
      row.change(d);
      changed = d.Picture1->Image().copy();
    });
    ASSERT_TRUE(hasPicture) << row.menu;
    EXPECT_NE(changed, first) << row.menu;
    EXPECT_EQ(changed, FreshSample(row)) << row.menu;
  }
}

// A command waiting under the dialog with the construction marks on (a
// chain, an area boundary) changes nothing of the sample, and keeps its switch.
TEST_F(OptionFrameTest, TheSampleUnderAWaitingCommandWithMarksOnIsTheSampleWithNothingRunning) {
  for (const FrameRow& row : Rows) {
    if (!row.change) continue;
    const QImage plain = FreshSample(row);
    ShowConPnts = FlagTrue;
    EXPECT_EQ(FreshSample(row), plain) << row.menu;
    EXPECT_EQ(ShowConPnts, FlagTrue) << row.menu;
    ShowConPnts = FlagFalse;
  }
}

// A settings database a store would make worse or whose new set would not
// come back: a page found damaged when start-up read the layer names, a
// page no read has met, an index lacking one of its rows, the table of sets
// rebuilt without its key. Update stores nothing into it and says why; the
// set stored is there to be applied for the rest of the run.
TEST_F(OptionFrameTest, UpdateStoresNothingIntoADamagedSettingsDatabaseAndSaysWhy) {
  const String settings = AppFolder() + "/Support/Settings_qz.mdb";
  const String sound = AppFolder() + "/Support/Sound_qz.mdb";
  ASSERT_TRUE(QFile::copy(QString::fromStdString(settings), QString::fromStdString(sound)));
  const struct {
    const char* what;
    std::vector<String> spoil;  // statements run on the copy
    const char* brokenPage;     // the table whose page is broken; nullptr none
    bool readAtStart;           // start-up reads the layer names first
    String says;                // the message, after the database's path
  } cases[] = {
      {"a page found damaged by start-up", {}, "LayerNames", true,
       "' is damaged (it was found so when it was read): nothing was saved into it. What was to be stored stays "
       "in use until the program ends."},
      {"a page no read has met", {}, "LayerNames", false, "' is damaged ("},
      {"an index lacking a row", PastIndex("LayerNames_Name", {"INSERT INTO LayerNames VALUES ('Qz', 'Qz')"}),
       nullptr, false, "' is damaged (row "},
      {"the sets without their key", WithoutKey("Settings"), nullptr, false,
       "' has no key of its own (its column SettingID does not key its rows): nothing was saved into it."},
  };
  const FrameRow& drawing = Rows[3];  // the drawing options
  Responder().AnswerEveryMsgBox(vbOK);
  int round = 0;
  for (const auto& c : cases) [&] {
    SCOPED_TRACE(c.what);
    SpoiltCopy(sound, settings, c.spoil, c.brokenPage);
    if (c.readAtStart) LoadLayerNames();
    const QByteArray bytes = FileBytes(settings);
    const size_t asked = Responder().Prompts().size();
    const String name = "Qz Kept " + std::to_string(++round);
    FilletRadius = round;
    Options(drawing, [&](OptionFrame& d) {
      d.Combo1->setCurrentText(QString::fromStdString(name));
      d.cmdUpdate->click();
    });
    const std::vector<PromptRecord> boxes = Responder().MessageBoxes(asked);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Save Settings");
    EXPECT_NE(boxes[0].text.find("'" + settings + c.says), String::npos) << boxes[0].text;
    EXPECT_TRUE(FileBytes(settings) == bytes) << "the damaged database was written";
    FilletRadius = 0;
    EXPECT_TRUE(ApplySettings(name, SettingDrawing));
    EXPECT_EQ(FilletRadius, round);
  }();
}

// A settings database one of whose rows holds a value of another kind, or
// one beyond its slot, though the file is sound: start-up skips that row and
// names it, and reads every other set; Update then stores a set without a
// word, and the next start reads it back.
TEST_F(OptionFrameTest, ADamagedSetIsSkippedAtStartAndASetStoredAfterIsReadBackAtTheNext) {
  const String settings = AppFolder() + "/Support/Settings_qz.mdb";
  const String sound = AppFolder() + "/Support/Sound_qz.mdb";
  ASSERT_TRUE(QFile::copy(QString::fromStdString(settings), QString::fromStdString(sound)));
  const String drawingDefaults = "WHERE StrSlot1 = 'Defaults' AND Stype = 1";
  const String key = TestDatabase(sound).Text("SELECT SettingID FROM Settings " + drawingDefaults);
  const Long rows = static_cast<Long>(TestDatabase(sound).Number("SELECT count(*) FROM Settings"));
  const struct {
    const char* damage;  // what spoils the drawing options set "Defaults"
    const char* field;   // the field the message names
  } cases[] = {
      {"Stype = 'six'", "Stype"},
      {"IntSlot1 = 'many'", "IntSlot1"},
      {"SngSlot2 = 1e300", "SngSlot2"},
  };
  const FrameRow& drawing = Rows[3];  // the drawing options
  Responder().AnswerEveryMsgBox(vbOK);
  int round = 0;
  for (const auto& c : cases) [&] {
    SCOPED_TRACE(c.damage);
    SpoiltCopy(sound, settings, {String("UPDATE Settings SET ") + c.damage + " " + drawingDefaults});
    size_t asked = Responder().Prompts().size();
    ResetSetings();  // a start of the program
    EXPECT_TRUE(LoadSettings());  // the profile was read
    const std::vector<PromptRecord> boxes = Responder().MessageBoxes(asked);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Load Settings");
    EXPECT_EQ(boxes[0].text, "The option set \"Defaults\" (SettingID " + key + ") has a damaged value (field " +
                                 c.field + ") and was skipped; the other sets were read.");
    EXPECT_EQ(SettingCount, rows - 1);

    const String name = "Qz Stored " + std::to_string(++round);
    FilletRadius = round;
    asked = Responder().Prompts().size();
    Options(drawing, [&](OptionFrame& d) {
      d.Combo1->setCurrentText(QString::fromStdString(name));
      d.cmdUpdate->click();
    });
    EXPECT_EQ(Responder().MessageBoxes(asked).size(), 0u);
    ResetSetings();  // the next start
    LoadSettings();
    FilletRadius = 0;
    EXPECT_TRUE(ApplySettings(name, SettingDrawing));
    EXPECT_EQ(FilletRadius, round);
  }();
}

// The picture is the drawing target only while a sample is drawn: between
// samples and after closing, the drawing window is the target with its own view.
TEST_F(OptionFrameTest, TheDrawingTargetAndItsViewAreGivenBackAfterEverySample) {
  const std::pair<Surface*, bool> given_back{doc_, true};
  for (const FrameRow& row : Rows) {
    std::vector<std::pair<Surface*, bool>> seen;
    Options(row, [&](OptionFrame& d) {
      seen.push_back(TargetNow());  // after the first sample, if any
      if (row.change) row.change(d);
      seen.push_back(TargetNow());
    });
    seen.push_back(TargetNow());  // closed
    const std::vector<std::pair<Surface*, bool>> expected(3, given_back);
    EXPECT_EQ(seen, expected) << row.menu;
  }
}

}  // namespace
}  // namespace lintavo
