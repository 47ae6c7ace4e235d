// Start-up: the support-database checks and the end at start, the drawings
// database path, the support data below the base counts, the first command
// and layer, the splash window's timer, the start-up window settings, and the
// option sets start-up applies against the same sets applied later.
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <string>
#include <vector>

#include "app/AppInfo.h"
#include "app/Setings.h"
#include "windows/main/Startup.h"
#include "windows/main/frmMain.h"
#include "windows/main/frmSplash.h"
#include "windows/options/frmMgmtOptions.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/SupportLists.h"
#include "model/Top.h"
#include "commands/LineDraw.h"
#include "commands/Trims.h"
#include "platform/Modal.h"
#include "platform/Numbers.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/WebBrowser.h"
#include "support/ProgramTest.h"
#include "view/DisplayOptions.h"
#include "view/Grids.h"
#include "view/ViewFixture.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

class StartupTest : public ProgramTest {
 protected:
  void TearDown() override {
    delete MainForm;  // start-up made it
    MainForm = nullptr;
    ProgramTest::TearDown();
  }

  String SupportFile(const char* name) const { return AppFolder() + "/Support/" + name; }

  // The splash window is left to close itself by its timer.
  void LetTheSplashRun() { Responder().OnModalWindow([](QDialog&) {}); }
  // The introduction and the tip of the day that a complete start-up shows, closed.
  void CloseTheStartupWindows() {
    for (int window = 0; window < 2; ++window)
      Responder().OnModalWindow([](QDialog& dialog) { dialog.reject(); });
  }

  // The drawing option set "Defaults" applies names this drawings database,
  // and the one in use before as its component database (storing leaves it).
  static void StoreDrawingsDatabaseOption(const String& option) {
    ResetProgramState();
    LoadSettings();
    String profile = DefaultsSetName;
    InitSettings(profile);
    DwgDbPath = option;
    StoreSettings(CurrentSettingNames[SettingDrawing], SettingDrawing);
  }
};

// Whether a library whose file name holds name is mapped into this process.
bool LibraryLoaded(const QString& name) {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name.toUtf8());
}

// ---- Libraries ----------------------------------------------------------------------

TEST_F(StartupTest, StartUpLoadsNoWebEngineUntilAWebPageWindowAsksForIt) {
  const QString engine = QStringLiteral("libQt6WebEngineCore");
  // A web-page window made earlier in this process loaded it for good.
  if (WebEngineModuleLoaded()) GTEST_SKIP() << "a web-page window of an earlier test loaded the engine";
  EXPECT_FALSE(LibraryLoaded(engine)) << "linked into the program";
  LetTheSplashRun();
  CloseTheStartupWindows();
  ASSERT_EQ(SubMain(), 0);
  EXPECT_FALSE(LibraryLoaded(engine));
}

// ---- Support databases ------------------------------------------------------------

TEST_F(StartupTest, AMissingFontsDatabaseEndsTheProgramWithItsOneMessage) {
  ASSERT_TRUE(QFile::remove(QString::fromStdString(SupportFile("Fonts_qz.mdb"))));
  // Were the patterns database looked at, its own message would show too.
  ASSERT_TRUE(QFile::remove(QString::fromStdString(SupportFile("Patterns_qz.mdb"))));
  LetTheSplashRun();
  Responder().AnswerMsgBox(vbOK);

  EXPECT_EQ(SubMain(), ExitMissingSupport);
  const std::vector<PromptRecord> boxes = Responder().MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "ERROR.. Lintavo Fonts Database, Fonts_qz.mdb, could not be found in the Lintavo "
            "Application Folder!!, Program will Terminate!");
  EXPECT_EQ(boxes[0].title, AppTitle);
  EXPECT_EQ(boxes[0].style, vbOKOnly);
  EXPECT_EQ(SupportDbPath, SupportFile("Fonts_qz.mdb"));
  EXPECT_EQ(ProgramEnded, FlagTrue);
  EXPECT_EQ(MainForm, nullptr);  // the main window went
  EXPECT_EQ(SettingCount, 0);    // nothing after the check ran
  EXPECT_EQ(PatternCount, 0);
}

TEST_F(StartupTest, TheDrawingsDatabaseOptionIsTakenRelativeToTheApplicationFolder) {
  struct Case {
    String option;
    String path;
  };
  const Case cases[] = {
      {"Data\\Mine_dwg.mdb", AppFolder() + "/Data/Mine_dwg.mdb"},
      {"C:\\Drawings\\Mine_dwg.mdb", "C:\\Drawings\\Mine_dwg.mdb"},  // a drive letter: as it is
      {"/srv/Mine_dwg.mdb", "/srv/Mine_dwg.mdb"},                    // absolute here: as it is
      {"", AppFolder() + "/Drawings_dwg.mdb"},
  };
  for (const Case& c : cases) {
    StoreDrawingsDatabaseOption(c.option);
    ResetProgramState();
    Responder().OnModalWindow([](QDialog& splash) { static_cast<frmSplash&>(splash).Command1->click(); });
    CloseTheStartupWindows();
    ASSERT_EQ(SubMain(), 0);
    EXPECT_EQ(DwgDbPath, c.path) << c.option;
    EXPECT_EQ(CompDbPath, c.path) << c.option;
    delete MainForm;
    MainForm = nullptr;
  }
}

// ---- Start-up as a whole --------------------------------------------------------------

TEST_F(StartupTest, StartUpPutsTheSupportDataBelowTheBaseCountsAndFitsTheFirstDrawing) {
  LetTheSplashRun();
  CloseTheStartupWindows();
  ASSERT_EQ(SubMain(), 0);
  ASSERT_NE(MainForm, nullptr);
  frmDocument* window = MainForm->ActiveChild();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(InitDone, FlagTrue);

  Long glyphs = 0;
  for (Long i = 1; i <= ItemCount; ++i) {
    if (Items[i].Rtype != ItemGlyph) continue;
    ++glyphs;
    EXPECT_LE(i, BaseItemCount);
    EXPECT_EQ(Items[i].Name.rfind("TEXT-", 0), 0u) << Items[i].Name;
  }
  EXPECT_GT(glyphs, 90);  // character codes 32 to 126
  EXPECT_GT(BaseObjCount, glyphs);
  EXPECT_EQ(ObjCount, BaseObjCount);  // the strokes, and nothing of a drawing yet
  EXPECT_EQ(PntCount, BasePntCount);

  // The first layer is the one item of the drawing, and its current layer.
  EXPECT_EQ(ItemCount, BaseItemCount + 1);
  EXPECT_EQ(Items[ItemCount].Rtype, ItemLayer);
  EXPECT_EQ(Items[ItemCount].Name, "New Layer 1");
  EXPECT_EQ(Items[ItemCount].DwgNo, window->ID);
  EXPECT_EQ(window->Current_Layer, ItemCount);

  // The first command is the zoom tool's full-drawing fit: the empty
  // drawing's sheet is in view.
  EXPECT_EQ(ZoomCommand, 14);
  EXPECT_EQ(PrevTool, ToolZooms);
  const DwgRec& dwg = Dwgs[window->ID];
  ASSERT_GT(DefDwgWidth, 0);
  EXPECT_EQ(dwg.Xlimit, DefDwgWidth);
  EXPECT_EQ(dwg.Ylimit, DefDwgHeight);
  const double pixel = 1 / window->XVscale;
  EXPECT_LE(window->XVmin, pixel);
  EXPECT_LE(window->YVmin, pixel);
  EXPECT_GE(window->XVmax, dwg.Xlimit - pixel);
  EXPECT_GE(window->YVmax, dwg.Ylimit - pixel);

  // The first drawing already has its author.
  const String login = UserLoginName();
  EXPECT_EQ(UserName, login.empty() ? String("Unknown") : login);
  EXPECT_EQ(dwg.Author, UserName);
}

TEST_F(StartupTest, TheStatusBarNamesTheFirstLayerWhileTheStartUpWindowsShow) {
  LetTheSplashRun();
  std::vector<String> layerPanel;
  for (int window = 0; window < 2; ++window)
    Responder().OnModalWindow([&layerPanel](QDialog& dialog) {
      layerPanel.push_back(MainForm->StatusPanel(2)->text().toStdString());
      dialog.reject();
    });
  ASSERT_EQ(SubMain(), 0);
  EXPECT_EQ(layerPanel, (std::vector<String>{"New Layer 1", "New Layer 1"}));  // the introduction, the tip
}

TEST_F(StartupTest, AnUnreadableSupportDatabaseIsReportedAndStartUpGoesOn) {
  QFile fonts(QString::fromStdString(SupportFile("Fonts_qz.mdb")));
  ASSERT_TRUE(fonts.open(QIODevice::WriteOnly | QIODevice::Truncate));
  fonts.write("this is no database, but it is there");
  fonts.close();
  LetTheSplashRun();
  CloseTheStartupWindows();
  Responder().AnswerEveryMsgBox(vbOK);

  EXPECT_EQ(SubMain(), 0);
  EXPECT_FALSE(Responder().MessageBoxes().empty());  // the readers reported it
  EXPECT_EQ(InitDone, FlagTrue);
  EXPECT_EQ(BaseItemCount, 0);  // no glyphs ...
  EXPECT_GT(PatternCount, 0);   // ... but everything else
  EXPECT_EQ(Items[ItemCount].Rtype, ItemLayer);
}

// ---- The option sets at start-up and later -------------------------------------------

// Every option variable, slot by slot of each type's sets, with the
// variables that follow another: "type kind slot = value".
std::vector<String> OptionValues() {
  std::vector<String> values;
  const auto add = [&values](Integer type, const char* kind, size_t slot, const String& value) {
    values.push_back(std::to_string(type) + " " + kind + " " + std::to_string(slot) + " = " + value);
  };
  for (Integer t = SettingDrawing; t <= SettingFills; ++t) {
    SettingRecord set;
    CaptureSettings(set, t);
    for (size_t i = 2; i < set.StrSlot.size(); ++i) add(t, "Str", i, set.StrSlot[i]);
    for (size_t i = 1; i < set.BoolSlot.size(); ++i) add(t, "Bool", i, std::to_string(set.BoolSlot[i]));
    for (size_t i = 1; i < set.IntSlot.size(); ++i) add(t, "Int", i, std::to_string(set.IntSlot[i]));
    for (size_t i = 1; i < set.LngSlot.size(); ++i) add(t, "Lng", i, std::to_string(set.LngSlot[i]));
    for (size_t i = 1; i < set.SngSlot.size(); ++i) add(t, "Sng", i, NumberText(set.SngSlot[i]));
  }
  values.push_back("ChamferDist2 = " + NumberText(ChamferDist2));
  values.push_back("DoubleLineWidth2 = " + NumberText(DoubleLineWidth2));
  values.push_back("GridX, GridY = " + NumberText(GridX) + ", " + NumberText(GridY));
  return values;
}

// The values of later that differ from those of before, each beside the one before.
std::vector<String> Changed(const std::vector<String>& before, const std::vector<String>& later) {
  std::vector<String> changed;
  for (size_t i = 0; i < later.size() && i < before.size(); ++i)
    if (later[i] != before[i]) changed.push_back(later[i] + " (was " + before[i] + ")");
  return changed;
}

// The stored "Defaults" set of every type with each value changed: flags
// turned over, numbers one up, texts lengthened, each by its own slot (the
// names stay).
void ChangeEveryStoredDefault() {
  ASSERT_TRUE(LoadSettings());
  for (Integer t = SettingDrawing; t <= SettingFills; ++t) {
    const Long index = FindSettingSet(DefaultsSetName, t);
    ASSERT_NE(index, 0);
    SettingRecord& set = SettingSets[index];
    for (size_t i = 2; i < set.StrSlot.size(); ++i) set.StrSlot[i] += "x" + std::to_string(i);
    for (size_t i = 1; i < set.BoolSlot.size(); ++i) set.BoolSlot[i] = Flag(set.BoolSlot[i] == 0);
    for (size_t i = 1; i < set.IntSlot.size(); ++i) ++set.IntSlot[i];
    for (size_t i = 1; i < set.LngSlot.size(); ++i) ++set.LngSlot[i];
    for (size_t i = 1; i < set.SngSlot.size(); ++i) ++set.SngSlot[i];
    SaveSettings(index);
  }
}

// Options, Management, "Change ALL ..." on the profile start-up applied
// gives every option the value start-up gave it, for the shipped sets (which
// show hatches) and for sets holding other values throughout.
TEST_F(StartupTest, ChangeAllOfTheStartUpProfileGivesEveryOptionItsStartUpValue) {
  struct Case {
    const char* name;
    void (*store)();  // what the settings database holds at start-up
    Integer hatches;  // ShowHatches it gives
    std::vector<String> changed;  // what "Change ALL" gives otherwise: the set's own component database
  };
  const Case cases[] = {
      {"the shipped sets", [] {}, FlagTrue, {}},
      {"every stored value changed", ChangeEveryStoredDefault, FlagFalse,
       {"1 Str 3 = " + ResolvedDatabasePath("x3") + " (was 1 Str 3 = " + ResolvedDatabasePath("x2") + ")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProgramState();
    c.store();
    ResetProgramState();
    Responder().OnModalWindow([](QDialog& splash) { static_cast<frmSplash&>(splash).Command1->click(); });
    CloseTheStartupWindows();
    ASSERT_EQ(SubMain(), 0);
    const std::vector<String> atStartUp = OptionValues();
    EXPECT_EQ(ShowHatches, c.hatches);

    for (Integer t = SettingDrawing; t <= SettingFills; ++t) SetBuiltInDefaults(t);  // changed meanwhile
    Responder().OnDialog<frmMgmtOptions>(
        [](frmMgmtOptions& dialog) {
          EXPECT_EQ(dialog.Combo1->currentText(), DefaultsSetName);
          dialog.Command1->click();
        },
        &frmMgmtOptions::cmdClose);
    MainForm->MenuItem("mnuOptionsSettings")->trigger();
    const std::vector<String> later = OptionValues();
    EXPECT_EQ(later.size(), atStartUp.size());
    EXPECT_EQ(Changed(atStartUp, later), c.changed);
    EXPECT_EQ(ShowHatches, c.hatches);
    delete MainForm;
    MainForm = nullptr;
  }
}

// The initialisation on a drawing window of a known size, with no events between.
class InitApplicationTest : public ViewFixture {};

TEST_F(InitApplicationTest, TheFirstCommandFitsTheSheetOfTheEmptyDrawingInTheWindow) {
  frmDocument* window = Open(1);  // 400 by 300 pixels
  InitApplication();
  const DwgRec& dwg = Dwgs[1];
  ASSERT_GT(dwg.Xlimit, 0);
  ASSERT_GT(dwg.Ylimit, 0);
  EXPECT_NEAR(window->XVscale, std::min(400 / dwg.Xlimit, 300 / dwg.Ylimit), 1e-5);
  EXPECT_NEAR(window->VbaseX + window->XVscale * dwg.Xlimit / 2, 200, 1e-3);  // centred
  EXPECT_NEAR(window->Vbasey + window->YVscale * dwg.Ylimit / 2, 150, 1e-3);
  // The command ended itself: nothing runs, so a drag pans.
  EXPECT_EQ(ActiveTool, ToolNone);
  EXPECT_EQ(AwaitingInput, 0);
  EXPECT_EQ(ZoomActive, 0);
}

// ---- Splash window and start-up windows -------------------------------------------------

TEST_F(StartupTest, ContinueOrEscBeforeTheSecondTickDoNotSkipTheInitialisation) {
  Integer initDoneWhenPressed = 1;
  Responder().OnModalWindow([&initDoneWhenPressed](QDialog& dialog) {
    static_cast<frmSplash&>(dialog).Command1->click();
    dialog.reject();  // Esc
    dialog.close();   // the close box
    initDoneWhenPressed = InitDone;
  });
  frmSplash splash;
  EXPECT_EQ(ShowModal(splash), QDialog::Accepted);  // closed by its timer
  EXPECT_EQ(initDoneWhenPressed, 0);
  EXPECT_EQ(InitDone, FlagTrue);
  EXPECT_GT(BaseItemCount, 0);  // the glyphs were loaded
}

TEST_F(StartupTest, TheStartUpWindowsFollowTheStoredChoice) {
  EXPECT_TRUE(StartupWindowWanted("Show Info at Startup"));  // nothing stored: shown
  ASSERT_TRUE(SaveSetting(AppTitle, "Options", "Show Info at Startup", "0"));
  ASSERT_TRUE(SaveSetting(AppTitle, "Options", "Show Tips at Startup", "1"));
  EXPECT_FALSE(StartupWindowWanted("Show Info at Startup"));
  EXPECT_TRUE(StartupWindowWanted("Show Tips at Startup"));
}

}  // namespace
}  // namespace lintavo
