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

// --- document window (QORDlgDocument)
enum : unsigned long {
  QORDlgDocumentMDI = 0x10000,  // dialog boxes live as child frames (ignored when OLD_UNIX_MDI is set)
};

// --- tool bar (QORDlgToolBar): where it docks; any other value means top
enum : unsigned long {
  QORDlgToolBarTop = 0x20000,
  QORDlgToolBarBottom = 0x40000,
  QORDlgToolBarLeft = 0x80000,
  QORDlgToolBarRight = 0x100000,
  QORDlgToolBarUndocked = 0x200000,
  QORDlgToolBarDockMask = 0x3e0000,
};

// --- icon box (QORDlgIconBox): the popup menu lays the icons out in a row
// (horizontal) or a column; a box built without Horizontal gets Vertical
enum : unsigned long {
  QORDlgIconBoxHorizontal = 0x40000UL,
  QORDlgIconBoxVertical = 0x80000UL,
};

// --- notify box (QORDlgNotify): one kind, one button set
enum : unsigned long {
  QORDlgNotifyModal = 0x200,
  QORDlgNotifyHelp = 0x1000,  // with the default set only
  QORDlgNotifyAbortRetryIgnore = 0x80000,
  QORDlgNotifyOK = 0x100000,
  QORDlgNotifyOKCancel = 0x200000,
  QORDlgNotifyRetryCancel = 0x400000,
  QORDlgNotifyYesNo = 0x800000,
  QORDlgNotifyYesNoCancel = 0x1000000,
  QORDlgNotifyQuestion = 0x2000000,
  QORDlgNotifyInformation = 0x4000000,
  QORDlgNotifyWarning = 0x8000000,
  QORDlgNotifyError = 0x10000000,
};
// What DisplayBlocked returns: the button pressed.
enum : int {
  QORDlgNotifyNone = 0, QORDlgNotifyAnswerOK = 1, QORDlgNotifyAnswerCancel = 2, QORDlgNotifyAnswerYes = 3,
  QORDlgNotifyAnswerNo = 4, QORDlgNotifyAnswerRetry = 5, QORDlgNotifyAnswerAbort = 6, QORDlgNotifyAnswerIgnore = 7,
};

// --- file selection box (QORDlgFile)
enum : unsigned long {
  QORDlgFileModal = 0x200,
  QORDlgFileHelp = 0x1000,
  QORDlgFileApply = 0x2000,
  QORDlgFileKept = 0x800000,  // kept in the style word for the application
  QORDlgFileMultiple = 0x2000000,
};

// --- splitter (QORDlgSplitter): children side by side unless vertical
enum : unsigned long {
  QORDlgSplitterHorizontal = 0x40000UL,    // side by side, the sash a vertical line (the default)
  QORDlgSplitterVertical = 0x80000UL,      // one above the other, the sash a horizontal line
  QORDlgSplitterFirstAbsorbs = 0x100000UL, // resizes go to the first child; the second keeps its size
  QORDlgSplitterEmptyRelative = 0x400000UL,
};

// --- tab container (QORDlgTabContainer)
enum : unsigned long {
  QORDlgTabNoArrows = 0x40000UL,  // the title strip never shows its scrolling arrows
};

// --- editor (QORDlgEditor): of the six content bits one stays only when
// given alone; multi-line keeps only its own two bits; read-only combines with all
enum : unsigned long {
  QORDlgEditReal = 0x20000UL,  // a physical value in the control's unit
  QORDlgEditPassword = 0x40000UL,
  QORDlgEditMultiline = 0x80000UL,
  QORDlgEditMultilineReserved = 0x100000UL,  // kept with multi-line; no effect of its own
  QORDlgEditInteger = 0x200000UL,
  QORDlgEditFloat = 0x400000UL,
  QORDlgEditAlpha = 0x800000UL,
  QORDlgEditDigits = 0x1000000UL,
  QORDlgEditAlphanumeric = 0x2000000UL,
  QORDlgEditReadOnly = 0x4000000UL,
  QORDlgEditNoScrollBars = 0x8000000UL,  // multi-line: both scroll bars hidden for good
};

// --- combo (QORDlgCombo): a graphic kind implies a drop-down and excludes the rest
enum : unsigned long {
  QORDlgComboReal = 0x20000UL,      // lines and field are physical values
  QORDlgComboDropDown = 0x40000UL,  // the field cannot be typed into
  QORDlgComboKeyboard = 0x100000UL, // the field also toggles overstrike and takes Return
  QORDlgComboOptionMenu = 0x200000UL,
  QORDlgComboColor = 0x400000UL,
  QORDlgComboIcon = 0x800000UL,
  QORDlgComboBitmap = 0x1000000UL,
  QORDlgComboReplace = 0x80UL,  // SetLine mode: overwrite from the position on
};

// --- selector list (QORDlgSelectorList) and multi-column list (QORDlgMultiList)
enum : unsigned long {
  QORDlgListMultiple = 0x40000UL,  // several lines selected at once (Shift and Ctrl clicks)
  // Multi-column list only: the widgets hold just the visible lines, and
  // scrolling rewrites them, so a million lines scroll as cheaply as a hundred.
  QORDlgListWindowed = 0x80000UL,
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
constexpr unsigned long NotifyKind = QORDlgNotifyQuestion | QORDlgNotifyInformation | QORDlgNotifyWarning | QORDlgNotifyError;
constexpr unsigned long NotifyButtons = QORDlgNotifyAbortRetryIgnore | QORDlgNotifyOK | QORDlgNotifyOKCancel |
                                        QORDlgNotifyRetryCancel | QORDlgNotifyYesNo | QORDlgNotifyYesNoCancel;
constexpr unsigned long Notify = NotifyKind | NotifyButtons | QORDlgNotifyModal | QORDlgNotifyHelp;
constexpr unsigned long File = QORDlgFileModal | QORDlgFileHelp | QORDlgFileApply | QORDlgFileKept | QORDlgFileMultiple;
constexpr unsigned long Menu = QORDlgMenuHelpEntry | QORDlgMenuVolatile | QORDlgMenuTearOff;
static_assert((Dialog & Menu) == 0, "menu bits clash with the base's bits");

constexpr unsigned long List = QORDlgListMultiple | QORDlgListWindowed;
static_assert((Dialog & List) == 0, "list bits clash with the base's bits");
static_assert((Dialog & ButtonState) == 0, "check and radio states clash with the base's bits");
static_assert((Dialog & PushButton) == 0, "push button bits clash with the base's bits");
static_assert((Dialog & Label) == 0, "label bits clash with the base's bits");
static_assert((Dialog & Separator) == 0, "separator bits clash with the base's bits");
static_assert((Dialog & Frame) == 0, "frame bits clash with the base's bits");
static_assert((Dialog & DialogBox) == 0, "dialog box bits clash with the base's bits");
constexpr unsigned long IconBox = QORDlgIconBoxHorizontal | QORDlgIconBoxVertical;
static_assert((Dialog & IconBox) == 0, "icon box bits clash with the base's bits");
static_assert((Dialog & Notify) == 0, "notify box bits clash with the base's bits");
static_assert((NotifyKind & NotifyButtons) == 0, "a notify box's kind and button set overlap");
static_assert((Dialog & File) == 0, "file box bits clash with the base's bits");
constexpr unsigned long Splitter = QORDlgSplitterHorizontal | QORDlgSplitterVertical | QORDlgSplitterFirstAbsorbs |
                                   QORDlgSplitterEmptyRelative;
constexpr unsigned long TabContainer = QORDlgTabNoArrows;
static_assert((Dialog & Splitter) == 0, "splitter bits clash with the base's bits");
static_assert((Dialog & TabContainer) == 0, "tab container bits clash with the base's bits");
// The mixed state is the base's third sensitivity state, under the controls' name.
static_assert(static_cast<unsigned long>(QORDlgSensitiveMixed) == QORDlgThirdState, "mixed sensitivity is the third state");
constexpr unsigned long Editor = QORDlgEditReal | QORDlgEditPassword | QORDlgEditMultiline |
                                 QORDlgEditMultilineReserved | QORDlgEditInteger | QORDlgEditFloat | QORDlgEditAlpha |
                                 QORDlgEditDigits | QORDlgEditAlphanumeric | QORDlgEditReadOnly | QORDlgEditNoScrollBars;
constexpr unsigned long Combo = QORDlgComboReal | QORDlgComboDropDown | QORDlgComboKeyboard | QORDlgComboOptionMenu |
                                QORDlgComboColor | QORDlgComboIcon | QORDlgComboBitmap;
static_assert((Dialog & Editor) == 0, "editor bits clash with the base's bits");
static_assert((Dialog & Combo) == 0, "combo bits clash with the base's bits");
}  // namespace QORDlgStyleBits

// --- spinner, slider and scroll bar (QORDlgSpinner, QORDlgSlider, QORDlgScrollBar)
// A spinner is always editable: its letter keeps QORDlgSpinEditable whatever is given.
enum : unsigned long {
  QORDlgSpinReal = 0x20000UL,      // a physical value (double) in the control's unit
  QORDlgSpinEditable = 0x40000UL,  // the field can be typed into
  QORDlgSpinText = 0x80000UL,      // the application's text; the arrows only notify
  QORDlgSliderHorizontal = 0x40000UL,  // the default when neither orientation is given
  QORDlgSliderVertical = 0x80000UL,
  QORDlgSliderNoValue = 0x100000UL,    // the scale does not show its value
  QORDlgScrollHorizontal = 0x40000UL,  // the default
  QORDlgScrollVertical = 0x80000UL,
};
namespace QORDlgStyleBits {
constexpr unsigned long Spinner = QORDlgSpinReal | QORDlgSpinEditable | QORDlgSpinText;
constexpr unsigned long Slider = QORDlgSliderHorizontal | QORDlgSliderVertical | QORDlgSliderNoValue;
constexpr unsigned long ScrollBar = QORDlgScrollHorizontal | QORDlgScrollVertical;
static_assert((Dialog & (Spinner | Slider | ScrollBar)) == 0, "value control bits clash with the base's bits");
}  // namespace QORDlgStyleBits
