// Resources of a dialog object: catalog lookup by the chain of resource IDs,
// the lazy load with its lock bits (a catalog value wins over the program's),
// mnemonic, accelerator, icon names and help texts.
#include <Xm/Xm.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "QORMsgCatalog.h"
#include "l_QORDialog.h"
#include "l_QORInteractiveApplication.h"

namespace {

// Highest %n of a message text, so that exactly that many parameters are read.
int highestParameter(const std::string& t) {
  int highest = 0;
  for (size_t i = 0; i + 1 < t.size(); ++i) {
    if (t[i] != '%') continue;
    if (t[i + 1] >= '1' && t[i + 1] <= '9') highest = std::max(highest, t[i + 1] - '0');
    ++i;  // "%%" and "%n" both take two characters
  }
  return highest;
}

QORDlgIconType iconTypeOf(const QORUnicodeString& v) {
  static const char* const names[] = {"General", "Creation", "Modification", "Analysis", "NonTransparent"};
  for (int i = 0; i < 5; ++i)
    if (v.str() == names[i]) return static_cast<QORDlgIconType>(i + 1);
  return QORDlgIconNone;
}

void replaceText(QORUnicodeString*& field, const QORUnicodeString& text) {
  delete field;
  field = new QORUnicodeString(text);
}

void replaceName(QORString*& field, const QORString& text) {
  delete field;
  field = new QORString(text);
}

}  // namespace

// ---- lookup ----

int l_QORDialog::getCatalogResourceValue(const QORMsgCatalog* catalog, const QORString& key, QORUnicodeString& value,
                                         QORUnicodeString* params) {
  if (!catalog) return 0;
  const QORMsg msg = catalog->GetCatalogMsg(key.c_str());
  if (msg.IsEmpty()) return 0;
  if (msg.GetNbParameters() > 0 && !params) return 0;
  std::vector<QORUnicodeString> given;
  if (params)
    for (int i = 0, n = highestParameter(msg.GetText().str()); i < n; ++i) given.push_back(params[i]);
  value = msg.BuildMessage(given);
  return 1;
}

int l_QORDialog::getCatalogResourceValue(const char* catalogName, const QORString& key, QORUnicodeString& value,
                                         QORUnicodeString* params) {
  if (!catalogName) return 0;
  l_QORDlgList& names = l_QORInteractiveApplication::ResourceCatalogName;
  l_QORDlgList& catalogs = l_QORInteractiveApplication::ResourceCatalog;
  for (int i = 0; i < names.getCount(); ++i)
    if (static_cast<QORString*>(names[i])->str() == catalogName)
      return getCatalogResourceValue(static_cast<QORMsgCatalog*>(catalogs[i]), key, value, params);
  // First use of this name: load it once; a failure is remembered as no catalog.
  QORMsgCatalog* catalog = new QORMsgCatalog();
  if (catalog->LoadMsgCatalog(catalogName, nullptr) != 1) {
    std::fprintf(stderr, "Warning: cannot load Catalog: %s\n         %s\n", catalogName, catalog->GetError());
    std::fflush(stderr);
    delete catalog;
    catalog = nullptr;
  }
  names.insertTail(new QORString(catalogName));
  catalogs.insertTail(catalog);
  return getCatalogResourceValue(catalog, key, value, params);
}

int l_QORDialog::getResourceValue(const QORString& key, QORUnicodeString& value, QORUnicodeString* params) {
  if (!resourcesReachable()) return 0;
  if (l_QORInteractiveApplication::fOldResource)
    return getCatalogResourceValue(l_QORInteractiveApplication::ResourceFileName->c_str(), name + "." + key, value,
                                   params);
  std::vector<l_QORDialog*> chain;  // root first
  for (l_QORDialog* d = this; d; d = d->father) chain.insert(chain.begin(), d);
  for (size_t i = 0; i < chain.size(); ++i) {
    std::string suffix;
    for (size_t j = i + 1; j < chain.size(); ++j) suffix += chain[j]->resourceID.str() + ".";
    l_QORDialog* level = chain[i];
    for (int k = 0; k < level->catalogs.getCount(); ++k) {
      const QORString* prefix = static_cast<QORString*>(level->resourcePaths[k]);
      // An empty prefix keys the entries straight from the levels below.
      const std::string full = (prefix && !prefix->IsEmpty() ? prefix->str() + "." : std::string()) + suffix + key.str();
      if (getCatalogResourceValue(static_cast<QORMsgCatalog*>(level->catalogs[k]), full, value, params)) return 1;
    }
    QORDialog* envelope = level->api;
    if (!envelope) continue;
    const std::string local = suffix + key.str();
    for (int m = 0; m < 256; ++m) {
      const char* file = envelope->GetResourceFilename(m);
      if (!file) break;
      if (getCatalogResourceValue(file, local, value, params)) return 1;
    }
  }
  return 0;
}

bool l_QORDialog::resourcesReachable() {
  if (style & QORDlgNoResource) return false;
  if (l_QORInteractiveApplication::fOldResource) return l_QORInteractiveApplication::ResourceFileName != nullptr;
  return api && hasResourceSource();
}

bool l_QORDialog::hasResourceSource() {
  // Most dialogs have no catalog anywhere up their chain: each key then costs
  // a walk up the fathers instead of a string per level and catalog.
  for (l_QORDialog* d = this; d; d = d->father) {
    if (d->catalogs.getCount() > 0) return true;
    if (d->api && d->api->GetResourceFilename(0)) return true;
  }
  return false;
}

int l_QORDialog::GetResourceValueFromKey(const QORString& key, QORUnicodeString& value, QORUnicodeString* params) {
  // getResourceValue takes the old lookup itself when it is selected.
  return getResourceValue(key, value, params);
}

void l_QORDialog::AddResourcePath(const QORMsgCatalog& catalog, const QORString& prefix) {
  catalogs.insertTail(new QORMsgCatalog(catalog));
  resourcePaths.insertTail(new QORString(prefix));
  deleteResources();
}

void l_QORDialog::SetResourceID(const QORString& id) {
  if (id == resourceID) return;
  resourceID = id;
  deleteResources();  // every key below this object changed
}

void l_QORDialog::deleteResources() {
  resourceLock = 0;
  if (built) loadResources();
  for (int i = 0; i < children.getCount(); ++i) GetChild(i)->deleteResources();
}

void l_QORDialog::loadResources() {
  if (resourceLock) return;
  resourceLock = QORDlgLockLoaded;
  const unsigned long before = pending;
  QORUnicodeString v;

  // Most objects have nothing to read: one look instead of a walk per key.
  const bool reachable = resourcesReachable();
  const QORUnicodeString oldTitle = title;
  if (reachable && getResourceValue("Title", v, nullptr)) {
    title = v;
    resourceLock |= QORDlgLockTitle;
  } else {
    title = QORUnicodeString(name);
  }
  if (title != oldTitle) pending |= QORDlgUpdTitle;
  if (!reachable) {
    if (pending != before) registerDifferUpdate();
    return;
  }

  if (getResourceValue("Help", v, nullptr)) {
    replaceText(help, v);
    resourceLock |= QORDlgLockHelp;
  }
  const QORDlgClassTraits& kind = traits();
  if (kind.Has(QORDlgCapReadsShortHelp)) {
    if (getResourceValue("ShortHelp", v, nullptr)) {
      replaceText(shortHelp, v);
      resourceLock |= QORDlgLockShortHelp;
    }
    if (getResourceValue("LongHelp", v, nullptr)) {
      replaceText(longHelp, v);
      resourceLock |= QORDlgLockLongHelp;
    }
  }
  if (kind.Has(QORDlgCapReadsIcon)) {
    if (getResourceValue("Icon", v, nullptr)) {
      replaceName(iconNames[0], v.ToUTF8());
      pending |= QORDlgUpdIcon;
      resourceLock |= QORDlgLockIcon;
      static const char* const more[] = {"IconSel", "IconFocus", "IconDisabled"};
      for (int i = 0; i < 3; ++i)
        if (getResourceValue(more[i], v, nullptr)) replaceName(iconNames[i + 1], v.ToUTF8());
      if (getResourceValue("IconType", v, nullptr)) iconType = iconTypeOf(v);
    }
  }
  if (kind.Has(QORDlgCapReadsMnemonic)) {
    if (getResourceValue("Mnemonic", v, nullptr)) {
      mnemonic = v.GetChar(0);
      if (v.GetLengthInChar() != 1) warnMnemonic(v);
      pending |= QORDlgUpdMnemonic;
      resourceLock |= QORDlgLockMnemonic;
    }
  }
  if (kind.Has(QORDlgCapReadsAccelerator)) {
    if (getResourceValue("Accelerator", v, nullptr)) {
      resourceLock |= QORDlgLockAccelerator;  // even for an unknown key: the program may not set one
      unsigned long word = 0;
      if (QORDialog::ParseAcceleratorText(v.c_str(), word)) {
        accelerator = word;
        pending |= QORDlgUpdAccelerator;
      }
    }
  }
  if (pending != before) registerDifferUpdate();
}

// A catalog's mnemonic is one character: of a longer text the first is
// taken, of an empty one none; either way the catalog's author should know.
void l_QORDialog::warnMnemonic(const QORUnicodeString& value) {
  const std::string taken = mnemonic.IsNull() ? "none" : QORUnicodeString(mnemonic).c_str();
  std::fprintf(stderr, "Warning: mnemonic of %s is not one character >%s< (%s taken)\n", name.c_str(), value.c_str(),
               taken.c_str());
  std::fflush(stderr);
}

// ---- program values (ignored once the catalog gave one) ----

void l_QORDialog::SetMnemonic(QORUnicodeChar m) {
  if (!resourceLock) loadResources();
  if (resourceLock & QORDlgLockMnemonic) return;
  mnemonic = m;
  pending |= QORDlgUpdMnemonic;
  registerDifferUpdate();
}

QORUnicodeChar l_QORDialog::GetMnemonic() {
  if (!resourceLock) loadResources();
  return mnemonic;
}

void l_QORDialog::SetAccelerator(unsigned long word) {
  if (!resourceLock) loadResources();
  if (resourceLock & QORDlgLockAccelerator) return;
  accelerator = word;
  pending |= QORDlgUpdAccelerator;
  registerDifferUpdate();
}

unsigned long l_QORDialog::GetAccelerator() {
  if (!resourceLock) loadResources();
  return accelerator;
}

void l_QORDialog::SetAcceleratorString(const QORUnicodeString& text) {
  if (!resourceLock) loadResources();
  if (resourceLock & QORDlgLockAccelerator) return;
  if (!QORDialog::ParseAcceleratorText(text.c_str(), accelerator)) return;  // unknown key: unchanged
  pending |= QORDlgUpdAccelerator;
  registerDifferUpdate();
}

const QORUnicodeString& l_QORDialog::GetAcceleratorString() {
  // Callers get the shared text of the application, as menus always did.
  static QORUnicodeString withoutApplication;
  QORDlgStaticTexts* texts = l_QORInteractiveApplication::Static;
  QORUnicodeString& out = texts ? texts->acceleratorText : withoutApplication;
  out = QORUnicodeString(QORDialog::GetAcceleratorText(GetAccelerator()));
  return out;
}

void l_QORDialog::SetIconName(const QORString& normal, const QORString& selected, const QORString& focused,
                              const QORString& disabled) {
  if (!resourceLock) loadResources();
  if (resourceLock & QORDlgLockIcon) return;
  replaceName(iconNames[0], normal);
  replaceName(iconNames[1], selected);
  replaceName(iconNames[2], focused);
  replaceName(iconNames[3], disabled);
  pending |= QORDlgUpdIcon;
  registerDifferUpdate();
}

const QORString* l_QORDialog::GetIconName(int which) {
  if (!resourceLock) loadResources();
  return (which >= 0 && which < 4) ? iconNames[which] : nullptr;
}

void l_QORDialog::SetIconType(QORDlgIconType type) {
  if (!resourceLock) loadResources();
  if (resourceLock & QORDlgLockIcon) return;
  iconType = type;
}

QORDlgIconType l_QORDialog::GetIconType() {
  if (!resourceLock) loadResources();
  return iconType;
}

void l_QORDialog::SetHelp(const QORUnicodeString& text) {
  if (!resourceLock) loadResources();
  if (resourceLock & QORDlgLockHelp) return;
  replaceText(help, text);
}

const QORUnicodeString& l_QORDialog::GetHelp() {
  if (!resourceLock) loadResources();
  return help ? *help : title;
}

void l_QORDialog::SetShortHelp(const QORUnicodeString& text) {
  if (!resourceLock) loadResources();
  if (resourceLock & QORDlgLockShortHelp) return;
  replaceText(shortHelp, text);
}

const QORUnicodeString* l_QORDialog::GetShortHelp() {
  if (!resourceLock) loadResources();
  return shortHelp;
}

void l_QORDialog::SetLongHelp(const QORUnicodeString& text) {
  if (!resourceLock) loadResources();
  if (resourceLock & QORDlgLockLongHelp) return;
  replaceText(longHelp, text);
}

const QORUnicodeString* l_QORDialog::GetLongHelp() {
  if (!resourceLock) loadResources();
  return longHelp;
}

const QORUnicodeString* l_QORDialog::GetNearestLongHelp() {
  for (l_QORDialog* d = this; d; d = d->father) {
    const QORUnicodeString* h = d->GetLongHelp();
    if (h && !h->IsEmpty()) return h;
    if (d->traits().Has(QORDlgCapWindow)) break;
  }
  return nullptr;
}

// ---- accelerators ----

void l_QORDialog::recursiveInstallAccelerators(Widget source) {
  for (int i = 0; i < children.getCount(); ++i) GetChild(i)->recursiveInstallAccelerators(source);
  // Only full widgets carry translations.
  if (!source || !traits().Has(QORDlgCapAcceleratorTarget) || !built || !baseWidget || !XtIsWidget(baseWidget)) return;
  XtInstallAccelerators(baseWidget, source);
  XtInstallAllAccelerators(baseWidget, baseWidget);
}
