// The standard colours, fonts and texts, from the "Dialog" catalog or the
// built-in table, and the icon background colours.
#include "l_QORInteractiveApplication.h"

#include <cstring>
#include <string>

#include "QORDlgText.h"
#include "QORMsgCatalog.h"
#include "QORString.h"

namespace {

// Used when the "Dialog" catalog lacks a key: "key=value" texts, ending with "".
const char* const builtInResources[] = {
    "QORDlgDocument.Background=#386488",
    "QORDlgDocument.Foreground=white",
    "QORDlgDocument.FontList=-adobe-helvetica-medium-r-normal--0-120-100-100-p-0-iso8859-1",
    "QORDlgShortHelp.Background=#ffffe1",
    "QORDlgShortHelp.Foreground=black",
    "QORDlgShortHelp.FontList=-adobe-helvetica-medium-r-normal--0-120-100-100-p-0-iso8859-1",
    "QORDlgEditor.Background=#77648b",
    "QORDlgEditor.Foreground=white",
    "QORDlgEditor.FontList=-adobe-helvetica-medium-r-normal--0-120-100-100-p-0-iso8859-1",
    "QORDlgToolBar.TopItem=Top",
    "QORDlgToolBar.BottomItem=Bottom",
    "QORDlgToolBar.LeftItem=Left",
    "QORDlgToolBar.RightItem=Right",
    "QORDlgToolBar.UndockItem=Undock",
    "QORDlgNotify.AbortButton=Abort",
    "QORDlgNotify.RetryButton=Retry",
    "QORDlgNotify.IgnoreButton=Ignore",
    "QORDlgNotify.OKButton=OK",
    "QORDlgNotify.CancelButton=Cancel",
    "QORDlgNotify.YesButton=Yes",
    "QORDlgNotify.NoButton=No",
    "QORDlgDialog.OKButton=OK",
    "QORDlgDialog.ApplyButton=Apply",
    "QORDlgDialog.CancelButton=Cancel",
    "QORDlgDialog.HelpButton=Help",
    "QORDlgFile.OKButton=OK",
    "QORDlgFile.ApplyButton=Apply",
    "QORDlgFile.FilterButton=Filter",
    "QORDlgFile.CancelButton=Cancel",
    "QORDlgFile.HelpButton=Help",
    "QORDlgFile.FilterLabel=Filter",
    "QORDlgFile.DirectoryLabel=Directories",
    "QORDlgFile.FileLabel=Files",
    "QORDlgFile.SelectionLabel=Selection",
    "QORDlgDialog.RestoreItem.Title=Restore",
    "QORDlgDialog.RestoreItem.Mnemonic=R",
    "QORDlgDialog.MoveItem.Title=Move",
    "QORDlgDialog.MoveItem.Mnemonic=M",
    "QORDlgDialog.SizeItem.Title=Size",
    "QORDlgDialog.SizeItem.Mnemonic=S",
    "QORDlgDialog.MinimizeItem.Title=Minimize",
    "QORDlgDialog.MinimizeItem.Mnemonic=n",
    "QORDlgDialog.MaximizeItem.Title=Maximize",
    "QORDlgDialog.MaximizeItem.Mnemonic=x",
    "QORDlgDialog.CloseItem.Title=Close",
    "QORDlgDialog.CloseItem.Mnemonic=C",
    "QORDlgDialog.NextItem.Title=Next",
    "QORDlgDialog.NextItem.Mnemonic=t",
    "",
};

std::string builtInValue(const char* key) {
  const size_t n = std::strlen(key);
  for (const char* const* e = builtInResources; **e; ++e)
    if (std::strncmp(*e, key, n) == 0 && (*e)[n] == '=') return *e + n + 1;
  return std::string();
}

// A catalog entry counts only when it exists, is not empty and takes no parameters.
bool catalogValue(const QORMsgCatalog* catalog, const char* key, std::string& value) {
  if (!catalog) return false;
  const QORMsg msg = catalog->GetCatalogMsg(key);
  if (msg.IsEmpty() || msg.GetNbParameters() != 0) return false;
  value = msg.BuildMessage({}).str();
  return true;
}

bool convert(Widget w, const char* type, const std::string& text, void* dst, unsigned size) {
  XrmValue from, to;
  from.size = static_cast<unsigned>(text.size() + 1);
  from.addr = const_cast<XPointer>(text.c_str());
  to.size = size;
  to.addr = static_cast<XPointer>(dst);
  return XtConvertAndStore(w, XtRString, &from, type, &to) == True;
}

// The catalog's value when it converts, else the built-in one.
void convertResource(Widget w, const QORMsgCatalog* catalog, const char* key, const char* type, void* dst,
                     unsigned size) {
  std::string value;
  if (catalogValue(catalog, key, value) && convert(w, type, value, dst, size)) return;
  convert(w, type, builtInValue(key), dst, size);
}

// A font list the catalog names is an X core font, converted as written.
// Without one the face is anti-aliased Sans through Xft, at the size of the
// built-in font, so that every text shows as written whatever the locale.
void fontResource(Widget w, const QORMsgCatalog* catalog, const char* key, XmFontList* dst) {
  std::string value;
  if (catalogValue(catalog, key, value) && convert(w, XmRFontList, value, dst, sizeof(XmFontList))) return;
  *dst = QORDlgText::xftRenderTable(w, QORDlgText::xlfdPoints(builtInValue(key).c_str()));
}

// Widgets the toolkit gives no font of their own (frame titles, dialog box
// buttons, Motif's inner labels) take the Xft face too, through the resource
// database: Motif's core default font would read UTF-8 as Latin-1.
void defaultRenderTable(Widget w, XmRenderTable table) {
  XrmDatabase db = XtScreenDatabase(XtScreen(w));
  XrmValue value;
  value.size = sizeof(XmRenderTable);
  value.addr = reinterpret_cast<XPointer>(&table);
  // Typed as a render table, the value is taken as it is, without conversion.
  XrmPutResource(&db, "*renderTable", XmRRenderTable, &value);
}

}  // namespace

void InitXResources(Widget w) {
  // Missing or malformed, the catalog is passed over without a word: every
  // value then comes from the built-in table.
  QORMsgCatalog loaded;
  const QORMsgCatalog* catalog = loaded.LoadMsgCatalog("Dialog", nullptr) > 0 ? &loaded : nullptr;

  QORDlgGlobalXResources& g = GlobalXResources;
  const struct {
    const char* key;
    Pixel* dst;
  } colours[] = {{"QORDlgDocument.Background", &g.documentBackground},
                 {"QORDlgDocument.Foreground", &g.documentForeground},
                 {"QORDlgShortHelp.Background", &g.shortHelpBackground},
                 {"QORDlgShortHelp.Foreground", &g.shortHelpForeground},
                 {"QORDlgEditor.Background", &g.editorBackground},
                 {"QORDlgEditor.Foreground", &g.editorForeground}};
  for (const auto& c : colours) convertResource(w, catalog, c.key, XtRPixel, c.dst, sizeof(Pixel));
  const struct {
    const char* key;
    XmFontList* dst;
  } fonts[] = {{"QORDlgDocument.FontList", &g.documentFontList},
               {"QORDlgShortHelp.FontList", &g.shortHelpFontList},
               {"QORDlgEditor.FontList", &g.editorFontList}};
  for (const auto& f : fonts) fontResource(w, catalog, f.key, f.dst);
  QORDlgText::noteRenderTable(QORDlgText::Document, g.documentFontList);
  QORDlgText::noteRenderTable(QORDlgText::ShortHelp, g.shortHelpFontList);
  if (!QORDlgText::isLatin1(QORDlgText::Document)) defaultRenderTable(w, g.documentFontList);
  g.documentBackgroundCopy = g.documentBackground;
  g.documentForegroundCopy = g.documentForeground;
  g.editorBackgroundCopy = g.editorBackground;
  g.editorForegroundCopy = g.editorForeground;

  if (!l_QORInteractiveApplication::Static) l_QORInteractiveApplication::Static = new QORDlgStaticTexts();
  QORDlgStaticTexts& s = *l_QORInteractiveApplication::Static;
  const struct {
    const char* key;
    QORUnicodeString* dst;
  } texts[] = {
      {"QORDlgToolBar.TopItem", &s.toolBarTop},         {"QORDlgToolBar.BottomItem", &s.toolBarBottom},
      {"QORDlgToolBar.LeftItem", &s.toolBarLeft},       {"QORDlgToolBar.RightItem", &s.toolBarRight},
      {"QORDlgToolBar.UndockItem", &s.toolBarUndock},   {"QORDlgNotify.AbortButton", &s.notifyAbort},
      {"QORDlgNotify.RetryButton", &s.notifyRetry},     {"QORDlgNotify.IgnoreButton", &s.notifyIgnore},
      {"QORDlgNotify.OKButton", &s.notifyOK},           {"QORDlgNotify.CancelButton", &s.notifyCancel},
      {"QORDlgNotify.YesButton", &s.notifyYes},         {"QORDlgNotify.NoButton", &s.notifyNo},
      {"QORDlgDialog.OKButton", &s.dialogOK},           {"QORDlgDialog.ApplyButton", &s.dialogApply},
      {"QORDlgDialog.CancelButton", &s.dialogCancel},   {"QORDlgDialog.HelpButton", &s.dialogHelp},
      {"QORDlgFile.OKButton", &s.fileOK},               {"QORDlgFile.ApplyButton", &s.fileApply},
      {"QORDlgFile.FilterButton", &s.fileFilter},       {"QORDlgFile.CancelButton", &s.fileCancel},
      {"QORDlgFile.HelpButton", &s.fileHelp},           {"QORDlgFile.FilterLabel", &s.fileFilterLabel},
      {"QORDlgFile.DirectoryLabel", &s.fileDirectoryLabel}, {"QORDlgFile.FileLabel", &s.fileFileLabel},
      {"QORDlgFile.SelectionLabel", &s.fileSelectionLabel},
  };
  for (const auto& t : texts) {
    std::string value;
    if (!catalogValue(catalog, t.key, value)) value = builtInValue(t.key);
    *t.dst = QORUnicodeString(value);
  }
  static const char* const items[7] = {"Restore", "Move", "Size", "Minimize", "Maximize", "Close", "Next"};
  for (int i = 0; i < 7; ++i) {
    const std::string base = std::string("QORDlgDialog.") + items[i] + "Item.";
    std::string value;
    if (!catalogValue(catalog, (base + "Title").c_str(), value)) value = builtInValue((base + "Title").c_str());
    s.itemTitle[i] = QORUnicodeString(value);
    if (!catalogValue(catalog, (base + "Mnemonic").c_str(), value)) value = builtInValue((base + "Mnemonic").c_str());
    s.itemMnemonic[i] = QORUnicodeString(value).GetChar(0);
  }
}

// ---- icon backgrounds ----

void l_QORInteractiveApplication::InitPixmapBackground() {
  if (!display || !topLevel) return;
  // Types 0 and 5 follow the shell's own background.
  Pixel shellBackground = 0;
  XtVaGetValues(topLevel, XmNbackground, &shellBackground, nullptr);
  Pixel foreground = 0, top = 0, bottom = 0, select = 0;
  XmGetColors(XtScreen(topLevel), colormap, shellBackground, &foreground, &top, &bottom, &select);
  iconBackground[0] = iconBackground[5] = shellBackground;
  iconHighlight[0] = iconHighlight[5] = select;
  static const unsigned char rgb[4][2][3] = {{{175, 175, 175}, {130, 130, 130}},
                                             {{77, 177, 142}, {54, 134, 109}},
                                             {{70, 160, 233}, {63, 113, 153}},
                                             {{153, 95, 153}, {136, 98, 136}}};
  for (int type = 1; type <= 4; ++type)
    for (int which = 0; which < 2; ++which) {
      XColor c{};
      const unsigned char* v = rgb[type - 1][which];
      c.red = static_cast<unsigned short>(v[0] / 255.0 * 65535);
      c.green = static_cast<unsigned short>(v[1] / 255.0 * 65535);
      c.blue = static_cast<unsigned short>(v[2] / 255.0 * 65535);
      c.flags = DoRed | DoGreen | DoBlue;
      XAllocColor(display, colormap, &c);
      (which ? iconHighlight : iconBackground)[type] = c.pixel;
    }
}

Pixel l_QORInteractiveApplication::GetIconBackgroundColor(QORDlgIconType type) const {
  return iconBackground[type >= 0 && type <= 5 ? type : 0];
}

Pixel l_QORInteractiveApplication::GetIconHighlightBackgroundColor(QORDlgIconType type) const {
  return iconHighlight[type >= 0 && type <= 5 ? type : 0];
}
