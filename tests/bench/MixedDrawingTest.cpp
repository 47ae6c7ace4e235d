// The maker of the mixed benchmark drawing: the mix it reports is the mix it
// stored, the stored drawing opens whole through File, Open, and its DXF
// holds the same entities (a string or a dimension's letters as one TEXT).
#include <QFile>
#include <cstdlib>
#include <map>

#include "MixedDrawing.h"
#include "OpenRoad.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "storage/TestDatabase.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

class MixedDrawingTest : public ProgramTest {
 protected:
  // Entities of each DXF type in the file: the values of its group codes 0
  // (the file is pairs of lines, a group code and its value).
  static std::map<String, long> DxfEntities(const String& path) {
    QFile file(QString::fromStdString(path));
    std::map<String, long> found;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return found;
    while (!file.atEnd()) {
      const QByteArray code = file.readLine().trimmed(), value = file.readLine().trimmed();
      if (code == "0" && value != "SECTION" && value != "ENDSEC" && value != "EOF") ++found[value.toStdString()];
    }
    return found;
  }
};

TEST_F(MixedDrawingTest, StoresTheMixItCountsOpensWholeAndWritesTheSameEntitiesAsDxf) {
  constexpr long N = 2000;
  const String mdb = ScratchPath("Mixed_dwg.mdb"), dxf = ScratchPath("Mixed.dxf");
  MixedCounts made;
  ASSERT_TRUE(MakeMixedDrawingFiles(N, mdb, dxf, made));

  EXPECT_EQ(made.Total(), N);
  EXPECT_NEAR(made.Lines, N / 2, N / 50);
  for (long share : {made.Arcs, made.Circles, made.Polylines, made.TextChars, made.DimensionParts})
    EXPECT_NEAR(share, N / 10, N / 50);
  EXPECT_EQ(made.Areas, N / EntitiesPerHatchedArea);
  EXPECT_EQ(made.Hatches, made.Areas);
  EXPECT_GT(made.Strings, 0);
  EXPECT_GT(made.Dimensions, 0);

  TestDatabase db(mdb);
  std::map<long, long> stored;
  for (const auto& row : db.Rows("SELECT Rtype, COUNT(*) FROM Lines GROUP BY Rtype"))
    stored[std::stol(row[0])] = std::stol(row[1]);
  EXPECT_EQ(db.Number("SELECT COUNT(*) FROM Lines"), N);
  EXPECT_EQ(stored[EntityArc], made.Arcs);
  EXPECT_EQ(stored[EntityCircle], made.Circles);
  EXPECT_EQ(stored[EntityPolyline], made.Polylines);
  EXPECT_EQ(stored[EntityPolygon], made.Areas);
  EXPECT_EQ(stored[EntityHatch], made.Hatches);
  EXPECT_EQ(stored[EntityLine] + stored[EntityTextChar], made.Lines + made.TextChars + made.DimensionParts);

  std::map<String, long> dxfTypes = DxfEntities(dxf);
  EXPECT_EQ(dxfTypes["LINE"], stored[EntityLine]);
  EXPECT_EQ(dxfTypes["ARC"], made.Arcs);
  EXPECT_EQ(dxfTypes["CIRCLE"], made.Circles);
  EXPECT_EQ(dxfTypes["LWPOLYLINE"], made.Polylines);
  EXPECT_EQ(dxfTypes["HATCH"], made.Hatches);
  EXPECT_EQ(dxfTypes["TEXT"], made.Strings + made.Dimensions);

  StartPhases start;
  ASSERT_TRUE(StartProgramWithoutSplash(start));
  OpenPhases phases;
  EXPECT_TRUE(OpenFitAndDraw(mdb, MixedDrawingName, N, phases));
  EndProgramStarted();
}

}  // namespace
}  // namespace lintavo
