// A named node of the host command tree; sends and receives notifications.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "QORString.h"

class QORNotification;
class QORMarshal;

// Handle of one subscription; 0 is never a valid handle.
using QORCallback = unsigned long;
using QORNotificationFn = std::function<void(class QORCommand* from, QORNotification*)>;

class QORCommand {
 public:
  QORCommand(QORCommand* father, const char* name);
  virtual ~QORCommand();
  QORCommand(const QORCommand&) = delete;
  QORCommand& operator=(const QORCommand&) = delete;

  virtual const QORString& GetName() const { return name_; }
  void SetName(const char* name) { name_ = QORString(name); }
  QORCommand* GetFather() const { return father_; }
  void SetFather(QORCommand* father);
  const std::vector<QORCommand*>& GetChildren() const { return children_; }

  // Class name of the command object, for traces; subclasses override.
  virtual const char* GetClassName() const { return "QORCommand"; }
  // True for the object's own class and every class it derives from: a
  // subclass whose base is not QORCommand answers its base's name too.
  virtual bool IsAKindOf(const char* className) const;

  // `this` listens to what `from` sends. A null class matches every notification.
  QORCallback AddAnalyseNotificationCB(QORCommand* from, const char* notificationClass,
                                       QORNotificationFn fn);
  void RemoveAnalyseNotificationCB(QORCallback cb);

  // Offers the state to the recorder while capturing, calls the matching
  // subscriptions on `from` in registration order, then AnalyseNotification.
  void SendNotification(QORCommand* from, QORNotification* n);
  // Default: hand the notification to the father, so ancestors see their subtree.
  virtual void AnalyseNotification(QORCommand* from, QORNotification* n);

  virtual void Activate(QORCommand* from, QORNotification* n);
  virtual void Desactivate(QORCommand* from, QORNotification* n);
  virtual void Cancel(QORCommand* from, QORNotification* n);

  // Record/replay frame: 0 handled, 1 no notification, 2 (save) / 4 (restore) not ours.
  virtual int SaveState(QORNotification* n, QORMarshal& m);
  virtual int RestoreState(QORNotification* n, QORMarshal& m);

  bool IsCapture() const;
  bool IsReplay() const;

  // Path of names from the root, '/'-separated; a repeated sibling name gets "#2", "#3"...
  // Characters '/', '#', '%' and blanks inside names are written as %XX.
  QORString GetPath() const;
  // The command at `path` (as GetPath writes it), or null.
  static QORCommand* FindByPath(const char* path);
  static const std::vector<QORCommand*>& GetRoots();

  // Shared liveness flag: false once the command is destroyed.
  std::shared_ptr<bool> GetAliveToken() const { return alive_; }

 private:
  struct Subscription {
    QORCallback id;
    QORCommand* listener;
    std::string cls;  // empty: any class
    bool anyClass;
    QORNotificationFn fn;
  };
  void detachFromFather();

  QORString name_;
  QORCommand* father_ = nullptr;
  std::vector<QORCommand*> children_;
  std::vector<Subscription> incoming_;             // subscriptions on this sender
  std::vector<std::pair<QORCommand*, QORCallback>> outgoing_;  // made by this listener
  std::shared_ptr<bool> alive_;
};
