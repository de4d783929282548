// Style words of the dialog objects: the bits of every class, allocated in
// this one place so that the bits of one class chain cannot collide (the
// static_asserts below). Every object keeps the base's bits; a class's own
// bits are read by that class only, so siblings may reuse the same values.
#pragma once

// --- every object (QORDialog)
enum : unsigned long {
  QORDlgGridLayout = 0x1,
  QORDlgShown = 0x2,
  QORDlgHidden = 0x4,
  QORDlgSensitive = 0x8,
  QORDlgInsensitive = 0x10,
  QORDlgThirdState = 0x20,
  QORDlgCarried = 0x100,  // kept for the application; the toolkit never tests it
  QORDlgNoResource = 0x80000000UL,
};

// --- controls (QORDlgControl)
// States of check and radio buttons, and the mixed sensitivity that check
// buttons and editors accept (shown set, greyed, the real state hidden).
enum : unsigned long {
  QORDlgChecked = 0x40000UL,
  QORDlgUnchecked = 0x80000UL,
  QORDlgSensitiveMixed = 0x20UL,
};

// --- push button (QORDlgPushButton)
enum : unsigned long {
  QORDlgPushRepeat = 0x40000UL,  // auto-repeat while held down
  QORDlgPushFlat = 0x80000UL,    // no shadow and no highlight border
};

// --- label (QORDlgLabel): one alignment (left when none or several are given), and the frame
enum : unsigned long {
  QORDlgLabelRight = 0x40000UL,
  QORDlgLabelCentered = 0x80000UL,
  QORDlgLabelLeft = 0x100000UL,
  QORDlgLabelFramed = 0x200000UL,
};

// --- separator (QORDlgSeparator): with both, or neither, the line is horizontal
enum : unsigned long {
  QORDlgSeparatorHorizontal = 0x40000UL,
  QORDlgSeparatorVertical = 0x80000UL,
};

// --- frame (QORDlgFrame)
enum : unsigned long {
  QORDlgFrameNoTitle = 0x40000UL,
  QORDlgFrameNoBorder = 0x80000UL,  // no title either
};

// --- dialog box (QORDlgDialog)
enum : unsigned long {
  QORDlgDialogModal = 0x200,
  QORDlgDialogOK = 0x400,
  QORDlgDialogCancel = 0x800,
  QORDlgDialogHelp = 0x1000,
  QORDlgDialogApply = 0x2000,
  QORDlgDialogNoButtons = 0x4000,
  QORDlgDialogReducedFrame = 0x8000,
  QORDlgDialogMDIChild = 0x20000,
  QORDlgDialogNoResize = 0x40000,
  QORDlgDialogNoDecoration = 0x100000,
  QORDlgDialogAtPointer = 0x200000,
  QORDlgDialogGrow = 0x400000,
  QORDlgDialogCarried = 0x80000,  // passed on to the style word unchanged
};

// --- menus: the sub-menu's and the contextual menu's own bits
enum : unsigned long {
  QORDlgMenuHelpEntry = 0x20000UL,  // sub-menu: its cascade button at the right end of the menu bar
  QORDlgMenuVolatile = 0x20000UL,   // contextual menu: its items are deleted at every pop-down
  QORDlgMenuTearOff = 0x40000UL,    // sub-menu or contextual menu: can be torn off
};

// --- what each class chain owns
namespace QORDlgStyleBits {
constexpr unsigned long Dialog = QORDlgGridLayout | QORDlgShown | QORDlgHidden | QORDlgSensitive | QORDlgInsensitive |
                                 QORDlgThirdState | QORDlgCarried | QORDlgNoResource;
constexpr unsigned long ButtonState = QORDlgChecked | QORDlgUnchecked;
constexpr unsigned long PushButton = QORDlgPushRepeat | QORDlgPushFlat;
constexpr unsigned long Label = QORDlgLabelRight | QORDlgLabelCentered | QORDlgLabelLeft | QORDlgLabelFramed;
constexpr unsigned long Separator = QORDlgSeparatorHorizontal | QORDlgSeparatorVertical;
constexpr unsigned long Frame = QORDlgFrameNoTitle | QORDlgFrameNoBorder;
constexpr unsigned long DialogBox = QORDlgDialogModal | QORDlgDialogOK | QORDlgDialogCancel | QORDlgDialogHelp |
                                    QORDlgDialogApply | QORDlgDialogNoButtons | QORDlgDialogReducedFrame |
                                    QORDlgDialogMDIChild | QORDlgDialogNoResize | QORDlgDialogCarried |
                                    QORDlgDialogNoDecoration | QORDlgDialogAtPointer | QORDlgDialogGrow;
constexpr unsigned long Menu = QORDlgMenuHelpEntry | QORDlgMenuVolatile | QORDlgMenuTearOff;
static_assert((Dialog & Menu) == 0, "menu bits clash with the base's bits");

static_assert((Dialog & ButtonState) == 0, "check and radio states clash with the base's bits");
static_assert((Dialog & PushButton) == 0, "push button bits clash with the base's bits");
static_assert((Dialog & Label) == 0, "label bits clash with the base's bits");
static_assert((Dialog & Separator) == 0, "separator bits clash with the base's bits");
static_assert((Dialog & Frame) == 0, "frame bits clash with the base's bits");
static_assert((Dialog & DialogBox) == 0, "dialog box bits clash with the base's bits");
// The mixed state is the base's third sensitivity state, under the controls' name.
static_assert(static_cast<unsigned long>(QORDlgSensitiveMixed) == QORDlgThirdState, "mixed sensitivity is the third state");
}  // namespace QORDlgStyleBits
