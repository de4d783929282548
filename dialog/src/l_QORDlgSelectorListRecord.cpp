// Record and replay of the selector list: selections and drags by line text,
// so that a replay finds its lines even when the program ordered them anew.
#include <algorithm>

#include "QORDlgListWidget.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORDlgSelectorList.h"
#include "l_QORInteractiveApplication.h"

void l_QORDlgSelectorList::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&selectNotification, [this](l_QORDlgRecordIo& io) { recordSelect(io); })
      .onReplay([this] {
        selectionChanged();
        notify(&selectNotification);
      });
  cases.add(&activateNotification, [](l_QORDlgRecordIo& io) { io.constant(0); });
  cases.add(&dragButtonNotification, [this](l_QORDlgRecordIo& io) { recordDrag(io); }).onReplay([this] {
    l_QORInteractiveApplication::dragStartWidget = list;
    notify(&dragButtonNotification);
  });
  l_QORDlgControl::recordCases(cases);
}

void l_QORDlgSelectorList::recordSelect(l_QORDlgRecordIo& io) {
  int count = selectedCount;
  io.field(count);
  io.detail("_numberOfSelectedItems= %d nbrElt= %d\n", count, GetLineCount());
  if (!io.replaying()) {
    for (size_t i = 0; i < selected.size(); ++i)
      if (selected[i]) {
        QORUnicodeString text = items.text(i);
        io.text(text);
        io.detail("_text= %s\n", text.c_str());
      }
    return;
  }
  std::fill(selected.begin(), selected.end(), 0);
  selectedCount = 0;
  // A damaged record may claim any count: reading stops with the stream.
  for (int i = 0; i < count && io.good(); ++i) {
    QORUnicodeString text;
    io.text(text);
    if (!io.good()) break;
    const int line = findText(text);
    if (line < 0) QORDlgListWidget::replayMissing("line selected", text.str());
    io.detail("_text= %s\n", text.c_str());
    mark(line);
  }
}

void l_QORDlgSelectorList::recordDrag(l_QORDlgRecordIo& io) {
  QORUnicodeString text;
  if (!io.replaying() && contextualLine > 0) text = items.text(static_cast<size_t>(contextualLine - 1));
  io.text(text);
  // A drag that started below the last line has no line to find again.
  if (io.replaying() && !text.IsEmpty()) {
    const int line = findText(text);
    if (line < 0) QORDlgListWidget::replayMissing("drag line", text.str());
    contextualLine = line + 1;
  }
  io.detail("_text= %s contextualLine= %d\n", text.c_str(), contextualLine - 1);
}
