// The attachment and grid operations of the envelopes that lay children out
// (frames, windows, tab pages). Each forwards to the object's letter with the
// envelopes turned into their letters.
#pragma once
#include <initializer_list>

#include "QORDlgAttachment.h"

class QORDialog;
class l_QORDialog;

class QORDlgLayoutEnvelope {
 public:
  virtual ~QORDlgLayoutEnvelope() = default;

  Orientation GetDefaultOrientation() const;
  void SetDefaultOrientation(Orientation o);
  void Attach4Sides(QORDialog* child);
  void ResetAttachment(QORDialog* child);
  // The list ends with a null pointer. Prefer the initializer-list forms,
  // which cannot run past a forgotten terminator.
  void SetHorizontalAttachment(unsigned short index, QORDlgAttachment kind, QORDialog* first, ...);
  void SetVerticalAttachment(unsigned short index, QORDlgAttachment kind, QORDialog* first, ...);
  void SetHorizontalAttachment(unsigned short index, QORDlgAttachment kind, std::initializer_list<QORDialog*> objs);
  void SetVerticalAttachment(unsigned short index, QORDlgAttachment kind, std::initializer_list<QORDialog*> objs);
  int GetVerticalTabIndex(QORDialog* child, QORDlgAttachment kind) const;
  int GetHorizontalTabIndex(QORDialog* child, QORDlgAttachment kind) const;
  void InsertAlongHorizontalTab(unsigned short index, QORDialog* obj, QORDialog* reference, InsertionMode mode);
  void InsertAlongVerticalTab(unsigned short index, QORDialog* obj, QORDialog* reference, InsertionMode mode);
  void RemoveAlongHorizontalTab(unsigned short index, QORDialog* obj);
  void RemoveAlongVerticalTab(unsigned short index, QORDialog* obj);
  void ReplaceKeepAttachments(QORDialog* oldObj, QORDialog* newObj);
  void SetGridColumnResizable(short column, int flag);
  int IsGridColumnResizable(short column) const;
  void SetGridRowResizable(short row, int flag);
  int IsGridRowResizable(short row) const;

 protected:
  // The letter that owns the layout manager.
  virtual l_QORDialog* layoutLetter() const = 0;
};
