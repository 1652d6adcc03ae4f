! The toolkit's public routines for Fortran programs: their own names and argument lists,
! texts as character variables whose lengths travel hidden, optional arguments as optionals,
! and the shared records as derived types laid out like the C++ ones.
!
! The routines are external procedures (no BIND(C)), so gfortran passes every argument by
! address and each text's length after the others; the toolkit's entry points take exactly that.
module tessaramond
  use, intrinsic :: iso_c_binding, only: c_int, c_float, c_char, c_ptr, c_f_pointer
  implicit none
  private :: c_ptr, c_f_pointer

  ! Event codes of WMessage.
  integer(c_int), parameter :: EventKey = 1, EventMenu = 2, EventDialogCommand = 3, &
                               EventButtonDown = 4, EventButtonUp = 5, EventMouseMove = 6, &
                               EventRedraw = 7, EventResize = 8, EventCloseRequest = 9, &
                               EventFieldFocus = 10, EventFrameClick = 12, EventTimer = 13

  ! Window flags of WindowDescription%Flags.
  integer(c_int), parameter :: WinFlagSystemMenu = 1, WinFlagMinimiseBox = 2, &
                               WinFlagMaximiseBox = 4, WinFlagMaximised = 8, &
                               WinFlagInsideRoot = 16, WinFlagStatusBar = 32, &
                               WinFlagFixedSize = 64, WinFlagHidden = 128, &
                               WinFlagOwnedByRoot = 256, WinFlagTopmost = 512

  ! Field kinds of a dialog's controls.
  integer(c_int), parameter :: KindOther = 0, KindStaticText = 1, KindStatic = 2, &
                               KindGroupBox = 3, KindEdit = 4, KindPushButton = 8, &
                               KindCheckBox = 9, KindRadioButton = 10, KindCombo = 11, &
                               KindList = 12, KindTab = 13, KindProgress = 14, KindTrackbar = 16

  ! Text colour indices (FontDescription%Foreground and %Background).
  integer(c_int), parameter :: ColourBlack = 0, ColourDarkRed = 1, ColourDarkYellow = 2, &
                               ColourDarkGreen = 3, ColourDarkCyan = 4, ColourDarkBlue = 5, &
                               ColourDarkMagenta = 6, ColourLightGrey = 7, ColourDarkGrey = 8, &
                               ColourRed = 9, ColourYellow = 10, ColourGreen = 11, &
                               ColourCyan = 12, ColourBlue = 13, ColourMagenta = 14, &
                               ColourWhite = 15, ColourSystem = 16

  ! WMenuSetState: item codes and the error number of an item that was not changed.
  integer(c_int), parameter :: MenuEnabledState = 1, MenuCheckedState = 2, ErrorMenuItem = 1001

  ! Graphics: plot modes of IGrPlotMode, line types of IGrLineType (5 and 6 draw as dash-dot
  ! and dashed) and the longest text IGrCharOut draws.
  integer(c_int), parameter :: PlotCopy = 0, PlotMerge = 1, PlotMask = 2, PlotExclusiveOr = 3
  integer(c_int), parameter :: LineSolid = 0, LineDotted = 1, LineDashed = 2, LineDashDot = 3, &
                               LineDashDotDot = 4
  integer(c_int), parameter :: GrCharOutMax = 256

  ! The event record of WMessage.
  type, bind(C) :: EventRecord
    integer(c_int) :: Win = -1
    integer(c_int) :: Value1 = -1, Value2 = -1, Value3 = -1, Value4 = -1
    integer(c_int) :: X = -1, Y = -1
    real(c_float) :: GWidth = 0, GHeight = 0, GX = 0, GY = 0
    integer(c_int) :: Time = 0
  end type EventRecord

  ! The argument of WindowOpen and WindowOpenChild. A SEQUENCE type, as an interoperable one
  ! may not hold a text longer than one character; its layout is checked against the C++ one.
  type :: WindowDescription
    sequence
    integer(c_int) :: Flags = 0
    integer(c_int) :: Left = -1, Top = -1     ! negative: centred
    integer(c_int) :: Width = 0, Height = 0   ! client size; 0 or negative: the default
    integer(c_int) :: MenuId = 0              ! root only
    character(len=80) :: Title = ' '
  end type WindowDescription

  ! The argument of WindowFont.
  type, bind(C) :: FontDescription
    integer(c_int) :: Typeface = 0, CharWidth = 0, CharHeight = 0
    integer(c_int) :: Bold = 0, Italic = 0, Underline = 0
    integer(c_int) :: Foreground = 0, Background = 0
  end type FontDescription

  ! The shared records, reached through tessar01() to tessar05().
  type, bind(C) :: Tessar01Record
    integer(c_int) :: screenWidth, screenHeight, windowWidth, windowHeight
    integer(c_int) :: rootOpen, currentWindow, screenColours
    integer(c_int) :: windowFlags(0:20)
  end type Tessar01Record

  type, bind(C) :: Tessar02Record
    character(kind=c_char) :: textMode(2)
  end type Tessar02Record

  type, bind(C) :: Tessar03Record
    integer(c_int) :: cursorX, cursorY, foreground, background, underline, bold, italic
    integer(c_int) :: charWidthPixels, charHeightPixels, typeface, charWidth, charHeight
  end type Tessar03Record

  type, bind(C) :: Tessar04Record
    integer(c_int) :: exitField, currentDialog, exitDialog, exitPreviousField, commonResult
  end type Tessar04Record

  type, bind(C) :: Tessar05Record
    integer(c_int) :: directorySeparator
  end type Tessar05Record

  interface
    ! Start-up.
    subroutine WInitialise(iniFile)
      character(len=*), intent(in), optional :: iniFile
    end subroutine WInitialise
    subroutine IOsVariable(name, value)
      character(len=*), intent(in) :: name
      character(len=*), intent(inout) :: value
    end subroutine IOsVariable

    ! Windows.
    subroutine WindowOpen(window, colours)
      import :: WindowDescription, c_int
      type(WindowDescription), intent(inout) :: window
      integer(c_int), intent(in), optional :: colours
    end subroutine WindowOpen
    subroutine WindowOpenChild(window, number)
      import :: WindowDescription, c_int
      type(WindowDescription), intent(inout) :: window
      integer(c_int), intent(inout) :: number
    end subroutine WindowOpenChild
    subroutine WindowSelect(number)
      import :: c_int
      integer(c_int), intent(in) :: number
    end subroutine WindowSelect
    subroutine WindowCloseChild(number)
      import :: c_int
      integer(c_int), intent(in) :: number
    end subroutine WindowCloseChild
    subroutine WindowClose()
    end subroutine WindowClose

    ! Events.
    subroutine WMessage(type, message)
      import :: EventRecord, c_int
      integer(c_int), intent(inout) :: type
      type(EventRecord), intent(inout) :: message
    end subroutine WMessage

    ! Window units.
    subroutine WindowUnitsToPixels(x, y, xPixels, yPixels)
      import :: c_int
      integer(c_int), intent(in) :: x, y
      integer(c_int), intent(inout) :: xPixels, yPixels
    end subroutine WindowUnitsToPixels
    subroutine WindowUnitsFromPixels(x, y, xUnits, yUnits)
      import :: c_int
      integer(c_int), intent(in) :: x, y
      integer(c_int), intent(inout) :: xUnits, yUnits
    end subroutine WindowUnitsFromPixels

    ! The bell and text output.
    subroutine WindowBell(text)
      character(len=*), intent(in) :: text
    end subroutine WindowBell
    subroutine WindowOutString(x, y, text)
      import :: c_int
      integer(c_int), intent(in) :: x, y
      character(len=*), intent(in) :: text
    end subroutine WindowOutString
    subroutine WindowClear()
    end subroutine WindowClear
    subroutine WindowFont(font)
      import :: FontDescription
      type(FontDescription), intent(in) :: font
    end subroutine WindowFont
    integer(c_int) function WInfoFont(item)
      import :: c_int
      integer(c_int), intent(in) :: item
    end function WInfoFont

    ! Dialogs.
    subroutine WDialogLoad(id)
      import :: c_int
      integer(c_int), intent(in) :: id
    end subroutine WDialogLoad
    subroutine WDialogShow(x, y, focus, mode)
      import :: c_int
      integer(c_int), intent(in) :: x, y
      integer(c_int), intent(in), optional :: focus, mode
    end subroutine WDialogShow
    subroutine WDialogHide()
    end subroutine WDialogHide
    subroutine WDialogUnload()
    end subroutine WDialogUnload
    subroutine WDialogSelect(id)
      import :: c_int
      integer(c_int), intent(in) :: id
    end subroutine WDialogSelect
    subroutine WDialogFieldFocus(f)
      import :: c_int
      integer(c_int), intent(in) :: f
    end subroutine WDialogFieldFocus
    subroutine WDialogTitle(title)
      character(len=*), intent(in) :: title
    end subroutine WDialogTitle
    subroutine WDialogGetString(field, text)
      import :: c_int
      integer(c_int), intent(in) :: field
      character(len=*), intent(inout) :: text
    end subroutine WDialogGetString
    subroutine WDialogGetRadioButton(field, position)
      import :: c_int
      integer(c_int), intent(in) :: field
      integer(c_int), intent(inout) :: position
    end subroutine WDialogGetRadioButton

    ! Menus, message boxes, file selection.
    subroutine WMenuSetState(identifier, item, state)
      import :: c_int
      integer(c_int), intent(in) :: identifier, item, state
    end subroutine WMenuSetState
    subroutine WMessageBox(buttons, icon, defaultButton, message, title)
      import :: c_int
      integer(c_int), intent(in) :: buttons, icon, defaultButton
      character(len=*), intent(in) :: message, title
    end subroutine WMessageBox
    subroutine WSelectFile(filter, flags, fileName, title, filterIndex)
      import :: c_int
      character(len=*), intent(in) :: filter, title
      integer(c_int), intent(in) :: flags
      character(len=*), intent(inout) :: fileName
      integer(c_int), intent(inout), optional :: filterIndex
    end subroutine WSelectFile

    ! The error record.
    integer(c_int) function InfoError(kind)
      import :: c_int
      integer(c_int), intent(in) :: kind
    end function InfoError
    subroutine IDebugLevel(level)
      import :: c_int
      integer(c_int), intent(in) :: level
    end subroutine IDebugLevel

    ! String routines.
    integer(c_int) function IActualLength(text)
      import :: c_int
      character(len=*), intent(in) :: text
    end function IActualLength
    integer(c_int) function ILocateChar(text)
      import :: c_int
      character(len=*), intent(in) :: text
    end function ILocateChar
    subroutine ILocateString(text, first, last)
      import :: c_int
      character(len=*), intent(in) :: text
      integer(c_int), intent(inout) :: first, last
    end subroutine ILocateString
    subroutine ILowerCase(text)
      character(len=*), intent(inout) :: text
    end subroutine ILowerCase
    subroutine IUpperCase(text)
      character(len=*), intent(inout) :: text
    end subroutine IUpperCase
    subroutine IJustifyString(text, code)
      character(len=*), intent(inout) :: text
      character(len=*), intent(in) :: code
    end subroutine IJustifyString
    subroutine IStringToInteger(text, value)
      import :: c_int
      character(len=*), intent(in) :: text
      integer(c_int), intent(inout) :: value
    end subroutine IStringToInteger
  end interface

  ! Graphics: the area, units, colour and character set; positions in user units.
  interface
    subroutine IGrInit(device, a, b, c)
      import :: c_int
      character(len=*), intent(in) :: device
      integer(c_int), intent(in) :: a, b, c
    end subroutine IGrInit
    subroutine IGrArea(x1, y1, x2, y2)
      import :: c_float
      real(c_float), intent(in) :: x1, y1, x2, y2
    end subroutine IGrArea
    subroutine IGrUnits(x1, y1, x2, y2)
      import :: c_float
      real(c_float), intent(in) :: x1, y1, x2, y2
    end subroutine IGrUnits
    subroutine IGrColourN(colour)
      import :: c_int
      integer(c_int), intent(in) :: colour
    end subroutine IGrColourN
    subroutine IGrCharSet(name)
      character(len=*), intent(in) :: name
    end subroutine IGrCharSet
    subroutine IGrCharJustify(letter)
      character(len=*), intent(in) :: letter
    end subroutine IGrCharJustify
    subroutine IGrCharSpacing(letter)
      character(len=*), intent(in) :: letter
    end subroutine IGrCharSpacing
    subroutine IGrCharSize(width, height)
      import :: c_float
      real(c_float), intent(in) :: width, height
    end subroutine IGrCharSize
    subroutine IGrPlotMode(mode)
      import :: c_int
      integer(c_int), intent(in) :: mode
    end subroutine IGrPlotMode
    subroutine IGrLineType(type)
      import :: c_int
      integer(c_int), intent(in) :: type
    end subroutine IGrLineType
    subroutine IGrMoveTo(x, y)
      import :: c_float
      real(c_float), intent(in) :: x, y
    end subroutine IGrMoveTo
    subroutine IGrLineTo(x, y)
      import :: c_float
      real(c_float), intent(in) :: x, y
    end subroutine IGrLineTo
    subroutine IGrPoint(x, y)
      import :: c_float
      real(c_float), intent(in) :: x, y
    end subroutine IGrPoint
    subroutine IGrFillRectangle(x1, y1, x2, y2)
      import :: c_float
      real(c_float), intent(in) :: x1, y1, x2, y2
    end subroutine IGrFillRectangle
    ! The polygon through the first n points of x and y.
    subroutine IGrFillPolygon(n, x, y)
      import :: c_int, c_float
      integer(c_int), intent(in) :: n
      real(c_float), intent(in) :: x(*), y(*)
    end subroutine IGrFillPolygon
    subroutine IGrCharOut(x, y, text)
      import :: c_float
      real(c_float), intent(in) :: x, y
      character(len=*), intent(in) :: text
    end subroutine IGrCharOut
  end interface

  ! Raw file reading. The buffer may be any variable or array; count bytes are read into it.
  interface
    subroutine IFileOpen(name, mode, handle)
      import :: c_int
      character(len=*), intent(in) :: name
      integer(c_int), intent(in) :: mode
      integer(c_int), intent(inout) :: handle
    end subroutine IFileOpen
    subroutine IFileClose(handle)
      import :: c_int
      integer(c_int), intent(in) :: handle
    end subroutine IFileClose
    subroutine IFileRead(handle, buffer, count, bytesRead)
      import :: c_int
      !GCC$ ATTRIBUTES NO_ARG_CHECK :: buffer
      integer(c_int), intent(in) :: handle, count
      type(*), dimension(*) :: buffer
      integer(c_int), intent(inout) :: bytesRead
    end subroutine IFileRead
    subroutine IFileRead1(handle, buffer, count, bytesRead)
      import :: c_int
      !GCC$ ATTRIBUTES NO_ARG_CHECK :: buffer
      integer(c_int), intent(in) :: handle, count
      type(*), dimension(*) :: buffer
      integer(c_int), intent(inout) :: bytesRead
    end subroutine IFileRead1
    subroutine IFileRead2(handle, buffer, count, bytesRead)
      import :: c_int
      !GCC$ ATTRIBUTES NO_ARG_CHECK :: buffer
      integer(c_int), intent(in) :: handle, count
      type(*), dimension(*) :: buffer
      integer(c_int), intent(inout) :: bytesRead
    end subroutine IFileRead2
    subroutine IFileRead3(handle, buffer, count, bytesRead)
      import :: c_int
      !GCC$ ATTRIBUTES NO_ARG_CHECK :: buffer
      integer(c_int), intent(in) :: handle, count
      type(*), dimension(*) :: buffer
      integer(c_int), intent(inout) :: bytesRead
    end subroutine IFileRead3
    subroutine IFileRead4(handle, buffer, count, bytesRead)
      import :: c_int
      !GCC$ ATTRIBUTES NO_ARG_CHECK :: buffer
      integer(c_int), intent(in) :: handle, count
      type(*), dimension(*) :: buffer
      integer(c_int), intent(inout) :: bytesRead
    end subroutine IFileRead4
    subroutine IFileRead5(handle, buffer, count, bytesRead)
      import :: c_int
      !GCC$ ATTRIBUTES NO_ARG_CHECK :: buffer
      integer(c_int), intent(in) :: handle, count
      type(*), dimension(*) :: buffer
      integer(c_int), intent(inout) :: bytesRead
    end subroutine IFileRead5
    subroutine IFileRead6(handle, buffer, count, bytesRead)
      import :: c_int
      !GCC$ ATTRIBUTES NO_ARG_CHECK :: buffer
      integer(c_int), intent(in) :: handle, count
      type(*), dimension(*) :: buffer
      integer(c_int), intent(inout) :: bytesRead
    end subroutine IFileRead6
    subroutine IFileRead7(handle, buffer, count, bytesRead)
      import :: c_int
      !GCC$ ATTRIBUTES NO_ARG_CHECK :: buffer
      integer(c_int), intent(in) :: handle, count
      type(*), dimension(*) :: buffer
      integer(c_int), intent(inout) :: bytesRead
    end subroutine IFileRead7
    subroutine IFileRead8(handle, buffer, count, bytesRead)
      import :: c_int
      !GCC$ ATTRIBUTES NO_ARG_CHECK :: buffer
      integer(c_int), intent(in) :: handle, count
      type(*), dimension(*) :: buffer
      integer(c_int), intent(inout) :: bytesRead
    end subroutine IFileRead8
    subroutine IFileReadChar(handle, buffer, count, bytesRead)
      import :: c_int
      integer(c_int), intent(in) :: handle, count
      character(len=*), intent(inout) :: buffer
      integer(c_int), intent(inout) :: bytesRead
    end subroutine IFileReadChar
    subroutine IFileReadChar1(handle, buffer, count, bytesRead)
      import :: c_int
      integer(c_int), intent(in) :: handle, count
      character(len=*), intent(inout) :: buffer
      integer(c_int), intent(inout) :: bytesRead
    end subroutine IFileReadChar1
    subroutine IFileReadChar2(handle, buffer, count, bytesRead)
      import :: c_int
      integer(c_int), intent(in) :: handle, count
      character(len=*), intent(inout) :: buffer
      integer(c_int), intent(inout) :: bytesRead
    end subroutine IFileReadChar2
  end interface

  interface
    type(c_ptr) function tessf_tessar01() bind(C, name="tessf_tessar01")
      import :: c_ptr
    end function tessf_tessar01
    type(c_ptr) function tessf_tessar02() bind(C, name="tessf_tessar02")
      import :: c_ptr
    end function tessf_tessar02
    type(c_ptr) function tessf_tessar03() bind(C, name="tessf_tessar03")
      import :: c_ptr
    end function tessf_tessar03
    type(c_ptr) function tessf_tessar04() bind(C, name="tessf_tessar04")
      import :: c_ptr
    end function tessf_tessar04
    type(c_ptr) function tessf_tessar05() bind(C, name="tessf_tessar05")
      import :: c_ptr
    end function tessf_tessar05
  end interface

contains

  ! The toolkit's own instances of the shared records: read them, the routines write them.
  function tessar01() result(record)
    type(Tessar01Record), pointer :: record
    call c_f_pointer(tessf_tessar01(), record)
  end function tessar01

  function tessar02() result(record)
    type(Tessar02Record), pointer :: record
    call c_f_pointer(tessf_tessar02(), record)
  end function tessar02

  function tessar03() result(record)
    type(Tessar03Record), pointer :: record
    call c_f_pointer(tessf_tessar03(), record)
  end function tessar03

  function tessar04() result(record)
    type(Tessar04Record), pointer :: record
    call c_f_pointer(tessf_tessar04(), record)
  end function tessar04

  function tessar05() result(record)
    type(Tessar05Record), pointer :: record
    call c_f_pointer(tessf_tessar05(), record)
  end function tessar05

end module tessaramond
