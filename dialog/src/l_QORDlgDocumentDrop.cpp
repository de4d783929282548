// Files dropped on the document by other applications, and the document's
// record and replay.
#include "l_QORDlgDocument.h"

// UNFINISHED: the drop site (COMPOUND_TEXT, FILE_NAME, STRING) comes next.
void l_QORDlgDocument::registerDropSite() {}

// UNFINISHED: dropped files, resizes and closes are recorded next.
void l_QORDlgDocument::recordCases(l_QORDlgRecordCases& cases) { l_QORDlgWindow::recordCases(cases); }
