#include "QORCommand.h"

#include <algorithm>
#include <iterator>
#include <cstring>

#include "QORNotification.h"
#include "QORRecord.h"

namespace {
std::vector<QORCommand*>& roots() {
  static std::vector<QORCommand*> r;
  return r;
}
QORCallback nextCallbackId = 0;

// From the end: a father's children usually go last first.
void eraseOne(std::vector<QORCommand*>& v, QORCommand* c) {
  auto it = std::find(v.rbegin(), v.rend(), c);
  if (it != v.rend()) v.erase(std::next(it).base());
}

std::string escapeName(const std::string& name) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : name) {
    if (c == '/' || c == '#' || c == '%' || c <= ' ' || c == 0x7F) {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

// The path segment of `c` among `siblings`: its name, with "#k" for the k-th of that name.
std::string segment(const QORCommand* c, const std::vector<QORCommand*>& siblings) {
  int rank = 0;
  for (const QORCommand* s : siblings) {
    if (s->GetName() == c->GetName()) ++rank;
    if (s == c) break;
  }
  std::string seg = escapeName(c->GetName().str());
  if (rank > 1) seg += "#" + std::to_string(rank);
  return seg;
}

QORCommand* findSegment(const std::vector<QORCommand*>& siblings, const std::string& seg) {
  for (QORCommand* s : siblings) {
    if (segment(s, siblings) == seg) return s;
  }
  return nullptr;
}
}  // namespace

QORCommand::QORCommand(QORCommand* father, const char* name)
    : name_(name), father_(father), alive_(std::make_shared<bool>(true)) {
  if (father_) father_->children_.push_back(this);
  else roots().push_back(this);
}

QORCommand::~QORCommand() {
  *alive_ = false;
  // Forget subscriptions in both directions so neither side calls a dead object.
  for (auto& s : incoming_) {
    if (s.listener && s.listener != this) {
      auto& out = s.listener->outgoing_;
      out.erase(std::remove_if(out.begin(), out.end(),
                               [&](const std::pair<QORCommand*, QORCallback>& p) { return p.second == s.id; }),
                out.end());
    }
  }
  incoming_.clear();
  for (auto& o : outgoing_) {
    if (o.first != this) {
      auto& in = o.first->incoming_;
      in.erase(std::remove_if(in.begin(), in.end(), [&](const Subscription& s) { return s.id == o.second; }),
               in.end());
    }
  }
  outgoing_.clear();
  for (QORCommand* child : children_) child->father_ = nullptr, roots().push_back(child);
  children_.clear();
  detachFromFather();
}

void QORCommand::detachFromFather() {
  if (father_) eraseOne(father_->children_, this);
  else eraseOne(roots(), this);
  father_ = nullptr;
}

void QORCommand::SetFather(QORCommand* father) {
  if (father == father_) return;
  for (QORCommand* a = father; a; a = a->father_)
    if (a == this) return;  // would make a cycle
  detachFromFather();
  father_ = father;
  if (father_) father_->children_.push_back(this);
  else roots().push_back(this);
}

bool QORCommand::IsAKindOf(const char* className) const {
  return className && (std::strcmp(className, GetClassName()) == 0 || std::strcmp(className, "QORCommand") == 0);
}

QORCallback QORCommand::AddAnalyseNotificationCB(QORCommand* from, const char* notificationClass,
                                                 QORNotificationFn fn) {
  if (!from || !fn) return 0;
  Subscription s{++nextCallbackId, this, notificationClass ? notificationClass : "", notificationClass == nullptr,
                 std::move(fn)};
  from->incoming_.push_back(std::move(s));
  outgoing_.emplace_back(from, nextCallbackId);
  return nextCallbackId;
}

void QORCommand::RemoveAnalyseNotificationCB(QORCallback cb) {
  for (auto it = outgoing_.begin(); it != outgoing_.end(); ++it) {
    if (it->second != cb) continue;
    auto& in = it->first->incoming_;
    in.erase(std::remove_if(in.begin(), in.end(), [&](const Subscription& s) { return s.id == cb; }), in.end());
    outgoing_.erase(it);
    return;
  }
}

void QORCommand::SendNotification(QORCommand* from, QORNotification* n) {
  if (!from || !n) return;
  QORRecord* rec = QORRecord::GetMain();
  if (rec->RecordMod() == QORRecordCapture) rec->SaveState(from, n);
  else if (rec->RecordMod() == QORRecordReplay && !rec->ShouldDeliver(from, n)) return;

  std::shared_ptr<bool> alive = from->alive_;
  std::vector<QORCallback> ids;
  ids.reserve(from->incoming_.size());
  for (const auto& s : from->incoming_) ids.push_back(s.id);
  for (QORCallback id : ids) {
    if (!*alive) return;  // a callback destroyed the sender
    auto& in = from->incoming_;
    auto it = std::find_if(in.begin(), in.end(), [&](const Subscription& s) { return s.id == id; });
    if (it == in.end()) continue;  // removed meanwhile
    if (!it->anyClass && !n->IsAKindOf(it->cls.c_str())) continue;
    QORNotificationFn fn = it->fn;  // the callback may remove its own subscription
    fn(from, n);
  }
  if (*alive) from->AnalyseNotification(from, n);
}

void QORCommand::AnalyseNotification(QORCommand* from, QORNotification* n) {
  if (father_) father_->AnalyseNotification(from, n);
}

void QORCommand::Activate(QORCommand*, QORNotification*) {}
void QORCommand::Desactivate(QORCommand*, QORNotification*) {}
void QORCommand::Cancel(QORCommand*, QORNotification*) {}

int QORCommand::SaveState(QORNotification* n, QORMarshal&) { return n ? 2 : 1; }
int QORCommand::RestoreState(QORNotification*, QORMarshal&) { return 4; }

bool QORCommand::IsCapture() const { return QORRecord::GetMain()->RecordMod() == QORRecordCapture; }
bool QORCommand::IsReplay() const { return QORRecord::GetMain()->RecordMod() == QORRecordReplay; }

QORString QORCommand::GetPath() const {
  std::vector<const QORCommand*> chain;
  for (const QORCommand* c = this; c; c = c->father_) chain.push_back(c);
  std::string path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    const QORCommand* c = *it;
    if (!path.empty()) path += '/';
    path += segment(c, c->father_ ? c->father_->children_ : roots());
  }
  return QORString(path);
}

QORCommand* QORCommand::FindByPath(const char* path) {
  if (!path || !*path) return nullptr;
  const std::string p(path);
  const std::vector<QORCommand*>* level = &roots();
  QORCommand* found = nullptr;
  size_t start = 0;
  while (start <= p.size()) {
    size_t end = p.find('/', start);
    if (end == std::string::npos) end = p.size();
    found = findSegment(*level, p.substr(start, end - start));
    if (!found) return nullptr;
    level = &found->children_;
    start = end + 1;
  }
  return found;
}

const std::vector<QORCommand*>& QORCommand::GetRoots() { return roots(); }
