#include "QORCleaner.h"

#include <vector>

#include "QORNotification.h"

namespace {
// What is still queued when the process ends goes with it.
struct Queue : std::vector<QORNotification*> {
  ~Queue() {
    for (QORNotification* n : *this) delete n;
  }
};
std::vector<QORNotification*>& queue() {
  static Queue q;
  return q;
}
}  // namespace

void QORCleaner::DeleteOnTransactionEnd(QORNotification* n) {
  if (n) queue().push_back(n);
}

void QORCleaner::EndTransaction() {
  // Swap first: a destructor may queue again, which then waits for the next end.
  std::vector<QORNotification*> now;
  now.swap(queue());
  for (QORNotification* n : now) delete n;
}

int QORCleaner::GetPendingCount() { return static_cast<int>(queue().size()); }
