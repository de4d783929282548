// Record and replay of the multi-column list: selections by the text of
// column 0, so that a replay finds its lines even when the program ordered
// them anew.
#include "QORDlgBits.h"
#include "l_QORDlgMultiList.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"

void l_QORDlgMultiList::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&selectNotification, [this](l_QORDlgRecordIo& io) { recordSelect(io); }).onReplay([this] {
    pending |= QORDlgUpdListSelection;
    if (lastUpdateKind == KindProgram) registerDifferUpdate();
    else applyNow();
    notify(&selectNotification);
  });
  cases.add(&activateNotification, [](l_QORDlgRecordIo& io) { io.constant(0); });
  l_QORDlgControl::recordCases(cases);
}

void l_QORDlgMultiList::recordSelect(l_QORDlgRecordIo& io) {
  int count = selectedCount, top = topLine;
  unsigned int updateState = static_cast<unsigned int>(pending);
  io.field(count, lastUpdateKind, updateState, top, needToSynchronizeTopItems);
  if (!io.replaying()) {
    for (int line = 0; line < GetLineCount(); ++line)
      if (IsSelect(line)) {
        QORUnicodeString text;
        GetColumnItem(0, text, line);
        io.text(text);
        io.detail("itemData= %s\n", text.c_str());
      }
  } else {
    clearFlags();
    // A damaged record may claim any count: reading stops with the stream.
    for (int i = 0; i < count && io.good(); ++i) {
      QORUnicodeString text;
      io.text(text);
      if (!io.good()) break;
      const int line = findText(0, text);
      if (line < 0) QORDlgListWidget::replayMissing("line selected", text.str());
      io.detail("itemData= %s\n", text.c_str());
      mark(line);
    }
    // The lines shown then, when there are still as many.
    if (top >= 0 && top < GetLineCount()) topLine = top;
  }
  io.detail("_numberOfSelectedItems= %d nbrElt= %d _topItemPosition= %d _needToSynchronizeTopItems= %d\n", count,
            GetLineCount(), top, needToSynchronizeTopItems);
  io.detail("update= %d updateState=%u\n", lastUpdateKind, updateState);
}
