! The result window: the ten points as a text table in a child window, redrawn on every event
! that reaches it. Each time new results are shown, the table's ten value lines also go to
! standard output, so a run without a screen shows its results.
module formaldrix_result_window
  use, intrinsic :: iso_fortran_env, only: output_unit
  use formaldrix_general
  implicit none
  private
  public :: zeigergebnis, table_line

  integer, parameter :: TableLineLength = 30, TableLineCount = 12

contains

  ! Line 1 and 2 are the heading; line i + 2 holds point i.
  function table_line(line) result(text)
    integer, intent(in) :: line
    character(len=TableLineLength) :: text
    select case (line)
    case (1)
      text = '   x              y'
    case (2)
      text = repeat('-', 25)
    case default
      write (text, '(F7.3,1X,F17.6)') xs(line - 2), ys(line - 2)
    end select
  end function table_line

  subroutine print_results()
    integer :: line
    do line = 3, TableLineCount
      write (output_unit, '(A)') trim(table_line(line))
    end do
    flush (output_unit)
  end subroutine print_results

  ! Inside the root's client area, from 65 % to 95 % of its width and 1 % to 51 % of its height;
  ! its text is the fixed-pitch typeface at the size and colours current when it opens.
  logical function opened()
    type(WindowDescription) :: d
    d%Flags = WinFlagSystemMenu + WinFlagInsideRoot
    d%Left = 6500
    d%Top = 100
    d%Width = 3000
    d%Height = 5000
    d%MenuId = 0
    d%Title = 'Ergebnis'
    call WindowOpenChild(d, resultWindow)
    opened = resultWindow /= -1
    if (.not. opened) then
      call WMessageBox(0, 3, 1, 'Das Ergebnisfenster konnte nicht ge'//char(246)//'ffnet werden.', &
                       'Fehler')
      return
    end if
    call WMenuSetState(CmdSave, MenuEnabledState, 1)
    resultFont%Typeface = 4
    resultFont%CharWidth = WInfoFont(9)
    resultFont%CharHeight = WInfoFont(10)
    resultFont%Bold = 0
    resultFont%Italic = 0
    resultFont%Underline = 0
    resultFont%Foreground = WInfoFont(6)
    resultFont%Background = WInfoFont(7)
    resultLineSpacing = resultFont%CharHeight
  end function opened

  subroutine draw_table()
    integer :: line, y
    call WindowFont(resultFont)
    y = 600
    do line = 1, TableLineCount
      call WindowOutString(300, y, table_line(line))
      y = y + resultLineSpacing
    end do
  end subroutine draw_table

  subroutine close_result_window()
    call WindowCloseChild(resultWindow)
    resultWindow = -1
    call WMenuSetState(CmdSave, MenuEnabledState, 0)
  end subroutine close_result_window

  ! mode 0: show the current results; 1: an event has arrived for the result window.
  subroutine zeigergebnis(mode)
    integer, intent(in) :: mode
    logical :: dialogCommand
    if (resultWindow == -1) then
      if (.not. opened()) return
    else
      call WindowSelect(resultWindow)
      call WindowClear()
    end if
    call draw_table()
    if (mode == 0) then
      call print_results()
      return
    end if

    ! Every event has had its redraw above; these also close the window.
    dialogCommand = eventType == EventDialogCommand
    if ((dialogCommand .and. (event%Value1 == 2 .or. event%Value1 == 8)) .or. &
        eventType == EventCloseRequest) then
      call close_result_window()
    else if (dialogCommand) then
      call WindowBell(' ')
    end if
  end subroutine zeigergebnis

end module formaldrix_result_window
