// Internal to libTOLVEN: not API, never installed.
// The layout manager of a container: tabulations (attachment style) or a grid
// translated onto tabulations (grid style).
#pragma once
#include <X11/Intrinsic.h>

#include <vector>

#include "ComponentInfo.h"
#include "QORDlgAttachment.h"
#include "QORDlgGridConstraints.h"
#include "QORString.h"

class l_QORDialog;
class l_QORDlgTab;
class LayoutCell;
class LayoutMatrix;

enum LayoutStyle { AttachLayout = 1, GridLayout = 2 };

class l_QORDlgLayoutManager {
 public:
  l_QORDlgLayoutManager(l_QORDialog* owner, const QORString& name);
  virtual ~l_QORDlgLayoutManager();
  l_QORDlgLayoutManager(const l_QORDlgLayoutManager&) = delete;
  l_QORDlgLayoutManager& operator=(const l_QORDlgLayoutManager&) = delete;

  // DEBUG_LAYOUT, read once with "%i"; Reload is for tests that change it.
  static int TraceLevel();
  static void ReloadTraceLevel();
  static int Spacing();

  const QORString& GetName() const { return name; }
  l_QORDialog* getOwner() const { return owner; }
  LayoutStyle getStyle() const { return style; }
  void setStyle(LayoutStyle s) { style = s; }
  LayoutMatrix* getMatrix() const { return _objectMat; }
  Widget GetBaseWidget();

  l_QORDlgTab* GetTab(int index, Orientation o);
  int GetTabIndex(const l_QORDialog* child, Alignment a, Orientation o) const;
  int getNbTabs(Orientation o) const { return static_cast<int>(tabs[o].size()); }
  l_QORDlgTab* getTabAt(Orientation o, int rank) const { return tabs[o][rank]; }
  l_QORDlgTab* getNextTab(const l_QORDlgTab* tab) const;
  l_QORDlgTab* getPreviousTab(const l_QORDlgTab* tab) const;
  l_QORDlgTab* currentVerticalTab() const { return tabs[0].empty() ? nullptr : tabs[0].back(); }
  l_QORDlgTab* currentHorizontalTab() const { return tabs[1].empty() ? nullptr : tabs[1].back(); }
  void AddDialog(l_QORDlgTab* tab);
  int addTabbedComponent(ComponentInfo* info, l_QORDlgTab* tab);
  void disconnect(l_QORDialog* child);
  void replace(l_QORDialog* old, l_QORDialog* nw);

  void Layout();
  void updateSize(int width, int height, int force);
  void getSize(int& w, int& h) const { w = _width; h = _height; }
  void getRequestedSize(int& w, int& h) const { w = requestedWidth; h = requestedHeight; }
  void adoptRequestedSize(int w, int h);
  void getBoundingBoxSize(int& w, int& h) const { w = referenceWidth; h = referenceHeight; }
  void computeMinSize(int& w, int& h);
  void getMaxShrinkValues(int& w, int& h);
  void clearShrinkCache() { shrinkCacheValid = 0; }
  int isFirstLayoutDone() const { return firstLayoutDone; }
  int isRelative() const { return referenceWidth > 0 || referenceHeight > 0; }
  int isDecreasing(Orientation o) const { return o == Horizontal ? lastDeltaWidth < 0 : lastDeltaHeight < 0; }
  void initX(int v);
  void initY(int v);
  void GetRectPosition(int* x, int* y) const;
  void splitterLayout(l_QORDlgTab* tab, int delta);

  // Grid side.
  void setConstraints(l_QORDialog* child, const QORDlgGridConstraints& c);
  void convertGridToTab();

  // Engine internals, shared with the tabulations.
  void readGeometry(l_QORDialog* c, int& x, int& y, int& w, int& h);
  void writePosition(l_QORDialog* c, int x, int y);
  void writeRect(l_QORDialog* c, int x, int y, int h, int w);
  int computeRelativePosition(l_QORDlgTab* tab, int k);
  void resetMarks() { markStamp = ++nextStamp; }
  unsigned currentMark() const { return markStamp; }
  int isMarked(const l_QORDialog* c) const;
  void setMark(const l_QORDialog* c);
  int isPlaced(const l_QORDialog* c) const;
  void setPlaced(const l_QORDialog* c);
  void traceGeometry();
  // Deferred transmission (see l_QORDlgTab::transmitOffset). It is used only
  // when the trace is off, since the trace lists every shift; the switch lets
  // tests compare it with the eager walk.
  static void SetDeferredTransmission(bool on) { deferOn = on; }
  static unsigned long DeferredTransmissions() { return deferredCount; }
  static void CountDeferred() { ++deferredCount; }
  bool deferTransmission() const { return deferOn && TraceLevel() < 2; }
  unsigned currentPlaceStamp() const { return placeStamp; }
  int rankOf(const l_QORDlgTab* tab) const;
  bool allTabsMarked(Orientation o, int lo, int hi, unsigned stamp);
  void notePending() { pendingAny = true; }
  void flushPending();

 private:
  void materialize(l_QORDialog* c);
  void rawRead(l_QORDialog* c, int& x, int& y, int& w, int& h);
  void rawWritePosition(l_QORDialog* c, int x, int y);
  void initializeSize();
  void firstLayout(int& width, int& height);
  void secondLayout(int& width, int& height);
  void computeSize(int& width, int& height);
  void countRelativeTabs();
  void placeGridChildren();
  LayoutCell* cellOf(l_QORDialog* c);
  int refFor(Orientation o) const { return o == Vertical ? referenceWidth : referenceHeight; }

  l_QORDialog* owner;
  QORString name;
  LayoutStyle style;
  LayoutMatrix* _objectMat = nullptr;
  int _width = 0, _height = 0;
  int lastDeltaWidth = 0, lastDeltaHeight = 0;
  int referenceWidth = 0, referenceHeight = 0;
  int requestedWidth = 0, requestedHeight = 0;
  int relativeCount[2] = {0, 0};
  int shrinkWidth = 0, shrinkHeight = 0;
  int shrinkCacheValid = 0;
  std::vector<l_QORDlgTab*> tabs[2];
  std::vector<int> indexes[2];
  int startX, startY;
  int firstLayoutDone = 0;
  // Marks of one propagation and the components placed by the current pass,
  // as stamps (kept on the children) so that clearing them costs nothing.
  // Every new stamp comes from one sequence, so a child moved to another
  // container never carries a valid stamp and nested layouts keep theirs.
  static unsigned nextStamp;
  unsigned markStamp = ++nextStamp;
  unsigned placeStamp = ++nextStamp;
  static bool deferOn;
  static unsigned long deferredCount;
  bool pendingAny = false;
  // Per orientation, a rank range of tabulations known to be all marked in
  // the propagation `runStamp`.
  unsigned runStamp[2] = {0, 0};
  int runLo[2] = {0, 0}, runHi[2] = {-1, -1};
};
