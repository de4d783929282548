// Internal to libTOLVEN: not API, never installed.
// One tabulation of a layout manager: a vertical line (an x) or a horizontal
// line (a y) that children hang on by a side or by their centre.
#pragma once
#include <X11/Intrinsic.h>

#include <vector>

#include "ComponentInfo.h"
#include "QORDlgAttachment.h"
#include "QORString.h"

class l_QORDialog;
class l_QORDlgLayoutManager;

class l_QORDlgTab {
 public:
  l_QORDlgTab(l_QORDlgLayoutManager* manager, int index, Orientation o);
  ~l_QORDlgTab();
  l_QORDlgTab(const l_QORDlgTab&) = delete;
  l_QORDlgTab& operator=(const l_QORDlgTab&) = delete;

  // Made on first use: only traces and separator widgets need it.
  const QORString& GetName() const;
  int getIndex() const { return index; }
  Orientation getOrientation() const { return orientation; }
  l_QORDlgLayoutManager* getManager() const { return manager; }
  void setManager(l_QORDlgLayoutManager* m) { manager = m; }

  int add(l_QORDialog* component, Alignment a, int offset);
  void erase(l_QORDialog* component, Alignment a);
  int insert(l_QORDialog* component, l_QORDialog* reference, Alignment a, int offset, InsertionMode mode);
  void replace(l_QORDialog* nw, l_QORDialog* old, Alignment a, int offset);
  int isMember(const l_QORDialog* component) const { return find(component) >= 0; }
  ComponentInfo* getComponentInfo(const l_QORDialog* component) const;
  int getNbComponents() const { return static_cast<int>(components.size()); }
  ComponentInfo* getComponentAt(int i) const { return components[i]; }
  l_QORDialog* getLastComponent() const { return components.empty() ? nullptr : components.back()->component; }
  l_QORDialog* getPreviousComponent(const l_QORDialog* component) const;

  int getPosition(int which) const { return which ? firstPosition : _position; }
  int setPosition(int p);
  void movePosition(int d);
  void setRelative(int r) { relative = r; }
  int isRelative() const { return relative; }
  int isRelativelyPositionned() const { return relative && relativePosition >= 0.0; }
  int isRightOrBottom() const { return rightOrBottom; }
  void setSashEnabled() { sashEnabled = 1; }
  void setSashDisabled();
  int isSashEnabled() const { return sashEnabled; }
  Alignment getCurrentAlignment() const { return currentAlignment; }
  void setCurrentAlignment(Alignment a) { currentAlignment = a; }

  void layoutFirstPass(int& p);
  void layoutSecondPass(int& p);
  void traceGeometry(const char* label);

  // --- the user's sash (sash tabulations only; l_QORDlgTabSash.cpp)
  // One step of a drag: 'S' start, 'M' move, 'C' commit, with the pointer event.
  void sashAction(char step, XEvent* event);
  // Moves the line by delta when the children beside it can follow; 0 and the
  // line back where it was otherwise.
  int SplitterMoved(int delta);
  // Resizes the two children beside the line by +delta and -delta, reducing
  // delta (and moving the line back) so that neither goes below its minimum + 10.
  int commitNewSashPosition(int& delta);
  Widget getSash() const { return sash; }
  Widget getSeparator() const { return separator; }
  void raiseSash();

  // Engine internals, shared with the manager.
  void reset();
  void detectCollision(int offset, const l_QORDialog* stopAt = nullptr, int startFrom = 0);
  void transmitOffset(int offset, l_QORDialog* fromComponent, l_QORDlgTab* originTab);
  int shrinkBack() const;

  // Deferred offsets: a transmission that would shift every record from some
  // index to the end by the same amount is kept as a pending suffix offset
  // (along y on a vertical line, x on a horizontal one) and applied when the
  // component is next read or written through the manager, or at the end of
  // the pass. Without it a cascade of pushes moves the same children again and
  // again and the layout grows quadratically with their number.
  int indexOf(const l_QORDialog* component) const;
  int pendingAt(int i) const;
  void consumePending(int i);
  bool hasPending() const { return pendingOn; }
  void clearPending();
  unsigned touchStamp = 0;      // a record's component was marked in this propagation
  unsigned lazyMarkStamp = 0;   // records from lazyMarkFrom on count as marked
  int lazyMarkFrom = 0;
  unsigned placedStamp = 0;     // records placed in this pass
  int placedCount = 0;

  int _position = 0;
  int firstPosition = 0;
  double relativePosition = -1.0;
  int relativePositionComputed = 0;
  int relativeIndex = 0;
  int _max_size = 0;
  int _next_component_position = 0;
  unsigned mark = 0;

 private:
  int find(const l_QORDialog* component) const;
  void buildIndex() const;
  bool canDefer(int from, unsigned stamp);
  void addPending(int from, int offset);
  int primaryLoop(int& p);
  l_QORDlgTab* setGeometry(int i, int secondPass);
  void sizeFarSide(ComponentInfo* info, int secondPass);
  void traceList(const char* what);
  void placeWidgets();
  static void separatorDestroyedCB(Widget w, XtPointer me, XtPointer call);
  void makeSash(Widget parent);
  void placeSash();
  int pointerAcross(XEvent* event) const;
  void drawRubberBand(int p);
  static void sashCB(Widget w, XtPointer me, XtPointer call);
  static void sashDestroyedCB(Widget w, XtPointer me, XtPointer call);
  static void sashExposedEH(Widget w, XtPointer me, XEvent* event, Boolean* cont);
  // A drag in progress: pointer less sash centre, sash centre less line, and
  // where the rubber-band line is drawn (-1: none).
  int sashOffset = 0;
  int sashDistance = 0;
  int rubberBand = -1;

  mutable QORString name;
  int index;
  Orientation orientation;
  int relative = 0;
  int sashEnabled = 0;
  int rightOrBottom = 0;
  Alignment currentAlignment = TopOrLeft;
  std::vector<ComponentInfo*> components;
  l_QORDlgLayoutManager* manager;
  Widget separator = nullptr;
  Widget sash = nullptr;
  // Record indexes, kept on the children (l_QORDialog::layoutIndex).
  int slotOf(const l_QORDialog* c) const;
  void note(int i) const;
  mutable unsigned indexStamp = 0;
  mutable bool indexesValid = false;
  mutable bool allLinked = false;  // every record's child names this line, none repeated
  // Pending offsets: a Fenwick tree of suffix additions, and per record the
  // part already applied.
  std::vector<int> pendingTree;
  std::vector<int> pendingBase;
  bool pendingOn = false;
  // Per pass: whether deferring is sound here (every record's near side is on
  // this line, no record repeated) and the rank range of the across lines
  // reached from each record to the end.
  unsigned suffixStamp = 0;
  bool deferrable = false;
  std::vector<int> suffixLo, suffixHi;
  void invalidateIndexes() { indexesValid = false; suffixStamp = 0; }
};
