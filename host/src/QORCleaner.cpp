#include "QORCleaner.h"

#include <vector>

#include "QORNotification.h"

namespace {
std::vector<QORNotification*>& queue() {
  static std::vector<QORNotification*> q;
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
