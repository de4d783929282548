// Deletes notifications when the current transaction (event dispatch) ends.
#pragma once

class QORNotification;

class QORCleaner {
 public:
  static void DeleteOnTransactionEnd(QORNotification* n);
  // Deletes what was queued; the event loop calls it after each dispatch.
  static void EndTransaction();
  static int GetPendingCount();
};
