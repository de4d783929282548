// A bordered group with an optional title; lays its children out by grid or
// by attachments to tabulations.
#pragma once
#include <initializer_list>

#include "QORDlgAttachment.h"
#include "QORDlgBox.h"

class l_QORDlgFrame;

// Frame style bits.
enum : unsigned long {
  QORDlgFrameNoTitle = 0x40000UL,
  QORDlgFrameNoBorder = 0x80000UL,  // no title either
};

class QORDlgFrame : public QORDlgBox {
 public:
  QORDlgFrame(QORDialog* father, const QORString& name, unsigned long style);
  const char* GetClassName() const override { return "QORDlgFrame"; }
  l_QORDialog* GetLetterObject() const override;

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

 private:
  l_QORDlgFrame* frameLetter = nullptr;
};
