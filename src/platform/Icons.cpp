// Icons: SVG icons from the program's resources, rendered to pixmaps.
#include "platform/Icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace lintavo {

namespace {
// Pixel sizes rendered for every icon: menus, tool bars, captions, task lists.
constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64};
constexpr const char* ProgramIconName = "lintavo";
}  // namespace

QString IconName(const QString& key) { return key.toLower().replace(u' ', u'-'); }

QIcon SvgIcon(const QString& name) {
  const QString path = QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
  if (!QFile::exists(path)) return QIcon();
  QSvgRenderer renderer(path);
  if (!renderer.isValid()) return QIcon();
  QIcon icon;
  for (int size : IconSizes) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon ProgramIcon() {
  static const QIcon icon = SvgIcon(QString::fromLatin1(ProgramIconName));
  return icon;
}

}  // namespace lintavo
