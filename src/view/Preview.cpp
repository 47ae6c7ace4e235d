// Preview: a stored drawing drawn straight from its rows.
#include "view/Preview.h"

#include "model/DataHand.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "storage/RowReader.h"
#include "view/FastDraw.h"

namespace lintavo {

namespace {

const char* const PreviewLinesTitle = "Preview Lines";

}  // namespace

void PreviewStoredDrawing(const DbKey& DrawingKey) {
  Connection connection;
  Recordset lines;
  LineRowReader lineReader;
  PointRowReader pointReader;
  DamageReport damage(PreviewLinesTitle);
  // One read transaction: lines and points as one save left them, though
  // another program saves the drawing meanwhile.
  if (connection.Open(OpenDbPath, OpenMode::ReadOnly) && connection.BeginReadTrans() &&
      lines.Open(connection, "Lines", "DrawingID", DbValue(DrawingKey)) &&
      lines.Relate("Points", "LineID", "LineID")) {
    Recordset& points = lines.Children();
    lineReader.Resolve(lines, LineColumns::Entity);
    pointReader.Resolve(points);
    for (; !lines.Eof() && !points.Failed(); lines.MoveNext())
      // Erased rows and compounds (drawn only through items) are left out.
      if (StageStoredLine(lines, points, lineReader, pointReader, damage) && !LoadObj.Erased &&
          LoadObj.Rtype < FirstCompoundType)
        FastDrawLoadedObject();
  }
  const DbError& error = connection.Error().Number ? connection.Error()
                         : lines.Failed()          ? lines.Error()
                                                   : lines.Children().Error();
  if (error.Number != DbErrNone) MsgBox(ErrorText(error), vbOKOnly, PreviewLinesTitle);
}

}  // namespace lintavo
