// EventWait: the wait, as a nested event loop that looks again at each poll.
#include "support/EventWait.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace lintavo {

namespace {
constexpr int PollMs = 10;  // how often the wait looks again
}  // namespace

bool RunEventsUntil(const std::function<bool()>& done, int limitMs) {
  if (done()) return true;
  QEventLoop loop;
  const QDeadlineTimer deadline(limitMs);
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done() || deadline.hasExpired()) loop.quit();
  });
  poll.start(PollMs);
  loop.exec();
  return done();
}

}  // namespace lintavo
