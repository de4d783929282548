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
  QORDlgUpdTabSelection = QORDlgUpdSubclass, // tab container: the current page is shown, the others hidden
};

// --- pending update: menu items (check and radio items: the toggle's state) and contextual menus
enum : unsigned long {
  QORDlgUpdItemState = 0x80,
  QORDlgUpdClearContents = QORDlgUpdSubclass,  // contextual menu: clear once the pop-down callback returned
};

// --- pending update: windows (l_QORDlgWindow) and dialog boxes (l_QORDlgDialog)
enum : unsigned long { QORDlgUpdMenuBar = 0x800000, QORDlgUpdFullScreen = 0x10000000 };
// Document window: its docked tool bars are placed again.
enum : unsigned long { QORDlgUpdToolBars = 0x40000000 };
enum : unsigned long {
  QORDlgUpdGrowDone = 0x200000,
  QORDlgUpdButtonTitles = 0x1000000,
  QORDlgUpdDefaultButton = 0x2000000,
  QORDlgUpdButtonSensitivity = 0x20000000,
};

// --- pending update: notify boxes (l_QORDlgNotify) and file boxes (l_QORDlgFile)
enum : unsigned long {
  QORDlgUpdNotifyText = 0x40,
  QORDlgUpdFileDirectory = 0x4000000,
  QORDlgUpdFilePattern = 0x8000000,
};

// --- pending update: editor (l_QORDlgEditor) and combo (l_QORDlgCombo), leaf classes
enum : unsigned long {
  QORDlgUpdText = 0x80000,        // the reference text goes to the widget
  QORDlgUpdEntryValue = 0x100000, // the value is written into the reference text
  QORDlgUpdTextSize = 0x200000,   // columns, rows and maximum length
  QORDlgUpdFirstColumn = 0x800000,
  QORDlgUpdFirstLine = 0x1000000,
  QORDlgUpdScrollBars = 0x2000000,
  QORDlgUpdColor = 0x4000000,
  QORDlgUpdLines = 0x8000000,     // combo: the list is refilled
};

// --- pending update: selector and multi-column lists (leaf classes)
enum : unsigned long {
  QORDlgUpdListItems = 0x1000000,      // the widgets' items follow the lines
  QORDlgUpdListSelection = 0x2000000,  // the widgets' selection follows the flags
  QORDlgUpdListFirst = 0x4000000,      // first line and column
  QORDlgUpdListVisible = 0x8000000,    // visible width and line count
  QORDlgUpdListTitles = 0x10000000,    // multi-column list: the column titles
  QORDlgUpdListArrange = 0x20000000,   // multi-column list: column order, visibility and widths
};

namespace QORDlgPendingBits {
constexpr unsigned long Dialog = QORDlgUpdResize | QORDlgUpdReparent | QORDlgUpdChildren | QORDlgUpdTitle |
                                 QORDlgUpdCursor | QORDlgUpdSize | QORDlgUpdPosition | QORDlgUpdVisibility |
                                 QORDlgUpdSensitivity | QORDlgUpdMnemonic | QORDlgUpdAccelerator | QORDlgUpdIcon |
                                 QORDlgUpdContextualMenu | QORDlgUpdLayout | QORDlgUpdKeep | QORDlgUpdSubclass;
constexpr unsigned long Window = QORDlgUpdMenuBar | QORDlgUpdFullScreen;
static_assert(((Dialog | Window) & QORDlgUpdToolBars) == 0, "document pending bits clash with the window's");
constexpr unsigned long DialogBox =
    QORDlgUpdGrowDone | QORDlgUpdButtonTitles | QORDlgUpdDefaultButton | QORDlgUpdButtonSensitivity;
constexpr unsigned long List = QORDlgUpdListItems | QORDlgUpdListSelection | QORDlgUpdListFirst |
                               QORDlgUpdListVisible | QORDlgUpdListTitles | QORDlgUpdListArrange;
static_assert((Dialog & List) == 0, "list pending bits clash with the base's");
constexpr unsigned long MenuItem = QORDlgUpdItemState;
static_assert((Dialog & MenuItem) == 0, "menu item pending bits clash with the base's");
static_assert((Dialog & Window) == 0, "window pending bits clash with the base's");
static_assert(((Dialog | Window) & DialogBox) == 0, "dialog box pending bits clash with the window's or base's");
// Notify and file boxes share the dialog box's title and sensitivity bits.
constexpr unsigned long Boxes = QORDlgUpdNotifyText | QORDlgUpdFileDirectory | QORDlgUpdFilePattern;
static_assert(((Dialog | Window | DialogBox) & Boxes) == 0, "notify or file box pending bits clash");
}  // namespace QORDlgPendingBits

// --- pending update: value controls (spinner, slider, scroll bar, progress)
enum : unsigned long {
  QORDlgUpdValue = QORDlgUpdSubclass,  // the value (a unit change too) reaches the widget
  QORDlgUpdSpinText = 0x1000000,       // spinner: the application's text
  QORDlgUpdSpinArrows = 0x2000000,     // spinner: the arrows' sensitivity
  QORDlgUpdSpinColumns = 0x4000000,    // spinner: the field's width
  QORDlgUpdSliderRange = 0x1000000,    // slider: range, steps and decimal points
};
namespace QORDlgPendingBits {
constexpr unsigned long Spinner = QORDlgUpdSpinText | QORDlgUpdSpinArrows | QORDlgUpdSpinColumns;
static_assert(((Dialog & ~QORDlgUpdSubclass) & (Spinner | QORDlgUpdSliderRange)) == 0,
              "value control pending bits clash with the base's");
constexpr unsigned long Entry = QORDlgUpdText | QORDlgUpdEntryValue | QORDlgUpdTextSize | QORDlgUpdFirstColumn |
                                QORDlgUpdFirstLine | QORDlgUpdScrollBars | QORDlgUpdColor | QORDlgUpdLines;
static_assert((Dialog & Entry) == 0, "editor and combo pending bits clash with the base's");
}  // namespace QORDlgPendingBits

// --- resource lock (l_QORDialog): what came from the catalog; 0 until loaded
enum : unsigned long {
  QORDlgLockLoaded = 0x1, QORDlgLockTitle = 0x2, QORDlgLockHelp = 0x4, QORDlgLockIcon = 0x8,
  QORDlgLockAccelerator = 0x10, QORDlgLockMnemonic = 0x80, QORDlgLockShortHelp = 0x100,
  QORDlgLockLongHelp = 0x200,
};

// --- style bits one class reads on another
enum : unsigned long {
  // On a layout owner: the splitter's bits, that a tabulation with a sash
  // reads on whoever owns it. With SashFollows the sash moves with resizes.
  QORDlgOwnerSashFollows = QORDlgSplitterFirstAbsorbs,     // 0x100000
  QORDlgOwnerEmptyRelative = QORDlgSplitterEmptyRelative,  // 0x400000: an empty relative tabulation starts at -1.0
};
