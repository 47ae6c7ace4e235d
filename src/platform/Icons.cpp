// Icons: SVG icons from the program's resources, rendered when first shown.
#include "platform/Icons.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <map>
#include <utility>

namespace lintavo {

namespace {

constexpr const char* ProgramIconName = "lintavo";

// An icon drawn from its SVG file at the size a tool bar, menu or caption
// asks for, the first time it asks: a main window with some seventy
// buttons starts without rendering a picture it does not show yet.
class SvgIconEngine : public QIconEngine {
 public:
  explicit SvgIconEngine(QString path) : path_(std::move(path)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    const auto key = std::make_pair(std::make_pair(size.width(), size.height()), static_cast<int>(mode));
    auto found = rendered_.find(key);
    if (found != rendered_.end()) return found->second;
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (mode == QIcon::Disabled) painter.setOpacity(0.4);  // a disabled button shows its icon faded
    QSvgRenderer(path_).render(&painter);
    painter.end();
    return rendered_.emplace(key, pixmap).first->second;
  }

  QIconEngine* clone() const override { return new SvgIconEngine(path_); }

 private:
  QString path_;
  std::map<std::pair<std::pair<int, int>, int>, QPixmap> rendered_;  // by size and mode
};

}  // namespace

QString IconName(const QString& key) { return key.toLower().replace(u' ', u'-'); }

QIcon SvgIcon(const QString& name) {
  const QString path = QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
  if (!QFile::exists(path)) return QIcon();
  return QIcon(new SvgIconEngine(path));
}

QIcon ProgramIcon() {
  static const QIcon icon = SvgIcon(QString::fromLatin1(ProgramIconName));
  return icon;
}

}  // namespace lintavo
