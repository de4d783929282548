// The letters' private bit words (internal, not installed): pending-update
// bits of every class chain, resource-lock bits, and the style bits that one
// class reads on another. Public style bits are in QORDlgStyle.h. A new class
// takes its bits here, in its chain's section, and adds them to the asserts.
#pragma once
#include "QORDlgStyle.h"

// --- pending update: every object (l_QORDialog)
enum : unsigned long {
  QORDlgUpdResize = 0x2, QORDlgUpdReparent = 0x4, QORDlgUpdChildren = 0x8, QORDlgUpdTitle = 0x10,
  QORDlgUpdCursor = 0x20, QORDlgUpdSize = 0x100, QORDlgUpdPosition = 0x200, QORDlgUpdVisibility = 0x400,
  QORDlgUpdSensitivity = 0x800, QORDlgUpdMnemonic = 0x4000, QORDlgUpdAccelerator = 0x8000,
  QORDlgUpdIcon = 0x10000, QORDlgUpdContextualMenu = 0x20000, QORDlgUpdLayout = 0x40000,
  QORDlgUpdKeep = 0x400000, QORDlgUpdSubclass = 0x80000000UL,
};

// --- pending update: the subclass bit, under the name of what each leaf class applies with it
enum : unsigned long {
  QORDlgUpdButtonState = QORDlgUpdSubclass,  // check and radio buttons: the state shown by the toggle
  QORDlgUpdScroll = QORDlgUpdSubclass,       // container: the scrolled window follows the child
};

// --- pending update: menu items (check and radio items: the toggle's state) and contextual menus
enum : unsigned long {
  QORDlgUpdItemState = 0x80,
  QORDlgUpdClearContents = QORDlgUpdSubclass,  // contextual menu: clear once the pop-down callback returned
};

// --- pending update: windows (l_QORDlgWindow) and dialog boxes (l_QORDlgDialog)
enum : unsigned long { QORDlgUpdMenuBar = 0x800000, QORDlgUpdFullScreen = 0x10000000 };
enum : unsigned long {
  QORDlgUpdGrowDone = 0x200000,
  QORDlgUpdButtonTitles = 0x1000000,
  QORDlgUpdDefaultButton = 0x2000000,
  QORDlgUpdButtonSensitivity = 0x20000000,
};

namespace QORDlgPendingBits {
constexpr unsigned long Dialog = QORDlgUpdResize | QORDlgUpdReparent | QORDlgUpdChildren | QORDlgUpdTitle |
                                 QORDlgUpdCursor | QORDlgUpdSize | QORDlgUpdPosition | QORDlgUpdVisibility |
                                 QORDlgUpdSensitivity | QORDlgUpdMnemonic | QORDlgUpdAccelerator | QORDlgUpdIcon |
                                 QORDlgUpdContextualMenu | QORDlgUpdLayout | QORDlgUpdKeep | QORDlgUpdSubclass;
constexpr unsigned long Window = QORDlgUpdMenuBar | QORDlgUpdFullScreen;
constexpr unsigned long DialogBox =
    QORDlgUpdGrowDone | QORDlgUpdButtonTitles | QORDlgUpdDefaultButton | QORDlgUpdButtonSensitivity;
constexpr unsigned long MenuItem = QORDlgUpdItemState;
static_assert((Dialog & MenuItem) == 0, "menu item pending bits clash with the base's");
static_assert((Dialog & Window) == 0, "window pending bits clash with the base's");
static_assert(((Dialog | Window) & DialogBox) == 0, "dialog box pending bits clash with the window's or base's");
}  // namespace QORDlgPendingBits

// --- resource lock (l_QORDialog): what came from the catalog; 0 until loaded
enum : unsigned long {
  QORDlgLockLoaded = 0x1, QORDlgLockTitle = 0x2, QORDlgLockHelp = 0x4, QORDlgLockIcon = 0x8,
  QORDlgLockAccelerator = 0x10, QORDlgLockMnemonic = 0x80, QORDlgLockShortHelp = 0x100,
  QORDlgLockLongHelp = 0x200,
};

// --- style bits one class reads on another
enum : unsigned long {
  // A document window in MDI mode (the dialog box reads it on its father window).
  QORDlgDocumentMDI = 0x10000,
  // On a layout owner: the splitter's bits, that a tabulation with a sash
  // reads on whoever owns it. With SashFollows the sash moves with resizes.
  QORDlgOwnerSashFollows = 0x100000,
  QORDlgOwnerEmptyRelative = 0x400000,  // an empty relative tabulation starts at -1.0
};
