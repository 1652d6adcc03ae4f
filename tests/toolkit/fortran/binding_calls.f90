! Calls of the bound routines made from Fortran for the binding tests: each takes its inputs
! from the C++ test, calls the routines through the module tessaramond as a Fortran program
! would, and hands back what it saw. Texts sit in a 40-character buffer filled with '#', so a
! routine that runs past the length it was given shows.
module binding_calls
  use, intrinsic :: iso_c_binding
  use tessaramond
  implicit none
  private

  integer, parameter :: Guarded = 40

contains

  ! chars(1:n), blank-padded to width, in front of the guard.
  function guarded_text(chars, n, width) result(buffer)
    character(kind=c_char), intent(in) :: chars(*)
    integer(c_int), intent(in) :: n, width
    character(len=Guarded) :: buffer
    integer :: i
    buffer = repeat('#', Guarded)
    buffer(1:width) = ' '
    do i = 1, min(n, width)
      buffer(i:i) = chars(i)
    end do
  end function guarded_text

  subroutine to_chars(buffer, chars)
    character(len=*), intent(in) :: buffer
    character(kind=c_char), intent(out) :: chars(*)
    integer :: i
    do i = 1, len(buffer)
      chars(i) = buffer(i:i)
    end do
  end subroutine to_chars

  subroutine fb_constants(values) bind(C, name="fb_constants")
    integer(c_int), intent(out) :: values(*)
    values(1:12) = [EventKey, EventMenu, EventDialogCommand, EventButtonDown, EventButtonUp, &
                    EventMouseMove, EventRedraw, EventResize, EventCloseRequest, &
                    EventFieldFocus, EventFrameClick, EventTimer]
    values(13:22) = [WinFlagSystemMenu, WinFlagMinimiseBox, WinFlagMaximiseBox, &
                     WinFlagMaximised, WinFlagInsideRoot, WinFlagStatusBar, WinFlagFixedSize, &
                     WinFlagHidden, WinFlagOwnedByRoot, WinFlagTopmost]
    values(23:35) = [KindOther, KindStaticText, KindStatic, KindGroupBox, KindEdit, &
                     KindPushButton, KindCheckBox, KindRadioButton, KindCombo, KindList, &
                     KindTab, KindProgress, KindTrackbar]
    values(36:52) = [ColourBlack, ColourDarkRed, ColourDarkYellow, ColourDarkGreen, &
                     ColourDarkCyan, ColourDarkBlue, ColourDarkMagenta, ColourLightGrey, &
                     ColourDarkGrey, ColourRed, ColourYellow, ColourGreen, ColourCyan, &
                     ColourBlue, ColourMagenta, ColourWhite, ColourSystem]
    values(53:55) = [MenuEnabledState, MenuCheckedState, ErrorMenuItem]
    values(56:59) = [PlotCopy, PlotMerge, PlotMask, PlotExclusiveOr]
    values(60:65) = [LineSolid, LineDotted, LineDashed, LineDashDot, LineDashDotDot, GrCharOutMax]
  end subroutine fb_constants

  ! Sizes and field offsets in bytes, as the Fortran compiler lays the records out.
  subroutine fb_layout(values) bind(C, name="fb_layout")
    integer(c_int), intent(out) :: values(*)
    type(EventRecord) :: e
    type(WindowDescription) :: d
    type(FontDescription) :: f
    type(Tessar01Record) :: t1
    type(Tessar02Record) :: t2
    type(Tessar03Record) :: t3
    type(Tessar04Record) :: t4
    type(Tessar05Record) :: t5
    values(1:4) = int([integer(c_intptr_t) :: storage_size(e) / 8, loc(e%X) - loc(e), loc(e%GX) - loc(e), &
                       loc(e%Time) - loc(e)], c_int)
    values(5:7) = int([integer(c_intptr_t) :: storage_size(d) / 8, loc(d%MenuId) - loc(d), loc(d%Title) - loc(d)], c_int)
    values(8:9) = int([integer(c_intptr_t) :: storage_size(f) / 8, loc(f%Background) - loc(f)], c_int)
    values(10:12) = int([integer(c_intptr_t) :: storage_size(t1) / 8, loc(t1%screenColours) - loc(t1), &
                         loc(t1%windowFlags(0)) - loc(t1)], c_int)
    values(13) = int(storage_size(t2) / 8, c_int)
    values(14:15) = int([integer(c_intptr_t) :: storage_size(t3) / 8, loc(t3%charHeight) - loc(t3)], c_int)
    values(16:17) = int([integer(c_intptr_t) :: storage_size(t4) / 8, loc(t4%commonResult) - loc(t4)], c_int)
    values(18) = int(storage_size(t5) / 8, c_int)
  end subroutine fb_layout

  ! The string routines on text(1:n) held in a variable of the given width.
  subroutine fb_strings(text, n, width, code, ncode, numbers, upper, lower, justified) &
      bind(C, name="fb_strings")
    character(kind=c_char), intent(in) :: text(*), code(*)
    integer(c_int), value :: n, width, ncode
    integer(c_int), intent(out) :: numbers(6)
    character(kind=c_char), intent(out) :: upper(Guarded), lower(Guarded), justified(Guarded)
    character(len=Guarded) :: buffer, work
    character(len=ncode) :: codeText
    integer :: i
    buffer = guarded_text(text, n, width)
    numbers(1) = IActualLength(buffer(1:width))
    numbers(2) = ILocateChar(buffer(1:width))
    call ILocateString(buffer(1:width), numbers(3), numbers(4))
    numbers(5) = -7
    call IStringToInteger(buffer(1:width), numbers(5))
    numbers(6) = InfoError(1)
    work = buffer
    call IUpperCase(work(1:width))
    call to_chars(work, upper)
    work = buffer
    call ILowerCase(work(1:width))
    call to_chars(work, lower)
    do i = 1, ncode
      codeText(i:i) = code(i)
    end do
    work = buffer
    call IJustifyString(work(1:width), codeText)
    call to_chars(work, justified)
  end subroutine fb_strings

  ! IOsVariable into a variable of the given width.
  subroutine fb_os_variable(name, n, width, value) bind(C, name="fb_os_variable")
    character(kind=c_char), intent(in) :: name(*)
    integer(c_int), value :: n, width
    character(kind=c_char), intent(out) :: value(Guarded)
    character(len=n) :: nameText
    character(len=Guarded) :: buffer
    integer :: i
    do i = 1, n
      nameText(i:i) = name(i)
    end do
    buffer = guarded_text(name, 0, width)
    buffer(1:width) = repeat('?', width)
    call IOsVariable(nameText, buffer(1:width))
    call to_chars(buffer, value)
  end subroutine fb_os_variable

  ! Reads three reals, five characters and an integer from the file in that order.
  subroutine fb_read_file(name, n, reals, chars, whole, counts) bind(C, name="fb_read_file")
    character(kind=c_char), intent(in) :: name(*)
    integer(c_int), value :: n
    real(c_double), intent(out) :: reals(3)
    character(kind=c_char), intent(out) :: chars(Guarded)
    integer(c_int), intent(out) :: whole, counts(4)
    character(len=n) :: nameText
    character(len=Guarded) :: buffer
    integer :: i, handle
    do i = 1, n
      nameText(i:i) = name(i)
    end do
    buffer = repeat('#', Guarded)
    handle = -1
    call IFileOpen(nameText, 0, handle)
    call IFileRead(handle, reals, 24, counts(1))
    call IFileReadChar(handle, buffer(1:5), 5, counts(2))
    call IFileRead4(handle, whole, 4, counts(3))
    call IFileRead(handle, whole, 4, counts(4)) ! past the end
    call IFileClose(handle)
    call to_chars(buffer, chars)
  end subroutine fb_read_file

  ! WindowOpen with or without the colour count; the window state as Fortran reads it.
  subroutine fb_window_open(flags, width, height, title, n, colours, hasColours, state) &
      bind(C, name="fb_window_open")
    integer(c_int), value :: flags, width, height, n, colours, hasColours
    character(kind=c_char), intent(in) :: title(*)
    integer(c_int), intent(out) :: state(5)
    type(WindowDescription) :: d
    type(Tessar01Record), pointer :: windows
    integer :: i
    d%Flags = flags
    d%Left = 10
    d%Top = 10
    d%Width = width
    d%Height = height
    do i = 1, n
      d%Title(i:i) = title(i)
    end do
    if (hasColours /= 0) then
      call WindowOpen(d, colours)
    else
      call WindowOpen(d)
    end if
    windows => tessar01()
    state = [windows%rootOpen, windows%currentWindow, windows%windowFlags(0), &
             windows%windowWidth, windows%windowHeight]
  end subroutine fb_window_open

  ! Loads a dialog and shows it, focus and mode passed only when asked; the current dialog as
  ! Fortran reads it.
  subroutine fb_dialog_show(id, focus, hasFocus, mode, hasMode, current) &
      bind(C, name="fb_dialog_show")
    integer(c_int), value :: id, focus, hasFocus, mode, hasMode
    integer(c_int), intent(out) :: current
    type(Tessar04Record), pointer :: dialogs
    call WDialogLoad(id)
    if (hasFocus /= 0 .and. hasMode /= 0) then
      call WDialogShow(10, 10, focus, mode)
    else if (hasFocus /= 0) then
      call WDialogShow(10, 10, focus)
    else if (hasMode /= 0) then
      call WDialogShow(10, 10, mode=mode)
    else
      call WDialogShow(10, 10)
    end if
    dialogs => tessar04()
    current = dialogs%currentDialog
  end subroutine fb_dialog_show

  ! A field's text into a variable of the given width, the radio position and the error.
  subroutine fb_field(field, width, text, numbers) bind(C, name="fb_field")
    integer(c_int), value :: field, width
    character(kind=c_char), intent(out) :: text(Guarded)
    integer(c_int), intent(out) :: numbers(4)
    character(len=Guarded) :: buffer
    buffer = repeat('#', Guarded)
    buffer(1:width) = repeat('?', width)
    call WDialogGetString(field, buffer(1:width))
    numbers(1) = InfoError(1)
    numbers(2) = -7
    call WDialogGetRadioButton(field, numbers(2))
    numbers(3) = InfoError(1)
    call to_chars(buffer, text)
    numbers(4) = 0
  end subroutine fb_field

  ! The next event, read into a record of Fortran's own.
  subroutine fb_message(type, whole, reals) bind(C, name="fb_message")
    integer(c_int), intent(out) :: type, whole(8)
    real(c_float), intent(out) :: reals(4)
    type(EventRecord) :: e
    type = 0
    call WMessage(type, e)
    whole = [e%Win, e%Value1, e%Value2, e%Value3, e%Value4, e%X, e%Y, e%Time]
    reals = [e%GWidth, e%GHeight, e%GX, e%GY]
  end subroutine fb_message

  ! WSelectFile with or without the filter index; the name as selected, the index and the
  ! result as Fortran reads them.
  subroutine fb_select_file(flags, index, hasIndex, name, numbers) bind(C, name="fb_select_file")
    integer(c_int), value :: flags, hasIndex
    integer(c_int), intent(inout) :: index
    character(kind=c_char), intent(inout) :: name(Guarded)
    integer(c_int), intent(out) :: numbers(2)
    character(len=Guarded) :: buffer
    type(Tessar04Record), pointer :: dialogs
    integer :: i
    do i = 1, Guarded
      buffer(i:i) = name(i)
    end do
    if (hasIndex /= 0) then
      call WSelectFile('Texte|*.txt|Daten|*.dat|', flags, buffer(1:30), 'Fortran-Auswahl', index)
    else
      call WSelectFile('Texte|*.txt|Daten|*.dat|', flags, buffer(1:30), 'Fortran-Auswahl')
    end if
    call to_chars(buffer, name)
    dialogs => tessar04()
    numbers = [dialogs%commonResult, InfoError(1)]
  end subroutine fb_select_file

  ! One graphics routine, chosen by its number in the C++ test's table, with the arguments it
  ! takes from ints, reals (a polygon's x from reals(1), its y from reals(9)) and text(1:n).
  subroutine fb_graphics(routine, ints, reals, text, n) bind(C, name="fb_graphics")
    integer(c_int), value :: routine, n
    integer(c_int), intent(in) :: ints(4)
    real(c_float), intent(in) :: reals(16)
    character(kind=c_char), intent(in) :: text(*)
    character(len=Guarded) :: buffer
    buffer = guarded_text(text, n, n)
    select case (routine)
    case (1)
      call IGrInit(buffer(1:n), ints(1), ints(2), ints(3))
    case (2)
      call IGrArea(reals(1), reals(2), reals(3), reals(4))
    case (3)
      call IGrUnits(reals(1), reals(2), reals(3), reals(4))
    case (4)
      call IGrColourN(ints(1))
    case (5)
      call IGrCharSet(buffer(1:n))
    case (6)
      call IGrCharJustify(buffer(1:n))
    case (7)
      call IGrCharSpacing(buffer(1:n))
    case (8)
      call IGrCharSize(reals(1), reals(2))
    case (9)
      call IGrPlotMode(ints(1))
    case (10)
      call IGrLineType(ints(1))
    case (11)
      call IGrMoveTo(reals(1), reals(2))
    case (12)
      call IGrLineTo(reals(1), reals(2))
    case (13)
      call IGrPoint(reals(1), reals(2))
    case (14)
      call IGrFillRectangle(reals(1), reals(2), reals(3), reals(4))
    case (15)
      call IGrFillPolygon(ints(1), reals(1:8), reals(9:16))
    case (16)
      call IGrCharOut(reals(1), reals(2), buffer(1:n))
    end select
  end subroutine fb_graphics

end module binding_calls
