! Formaldrix in Fortran: start-up and the command loop. Every event goes to the routine that
! owns it; the toolkit calls MainProgram once the window system is up.
subroutine MainProgram()
  use formaldrix_general
  use formaldrix_formula
  use formaldrix_result_file
  use formaldrix_result_window
  implicit none

  call start_state()
  call WInitialise(' ')
  root%Flags = WinFlagSystemMenu + WinFlagMinimiseBox + WinFlagMaximiseBox
  root%Left = -1
  root%Top = -1
  root%Width = 0
  root%Height = 0
  root%MenuId = MainMenu
  root%Title = 'Formaldrix - Pellarin GmbH, Altbruck'
  call WindowOpen(root, 0)
  call WMenuSetState(CmdSave, MenuEnabledState, 0) ! nothing to save before there is a result

  do
    call WMessage(eventType, event)
    if (.not. dispatched()) exit
  end do
  call WindowClose()

contains

  ! False when the program is to end.
  logical function dispatched()
    dispatched = .true.
    if (resultWindow > 0 .and. event%Win == resultWindow) then
      call zeigergebnis(1)
    else if (event%Win == FormulaDialog) then
      call berechnungformel()
    else if (eventType == EventMenu) then
      dispatched = on_menu(event%Value1)
    else if (eventType == EventCloseRequest) then
      if (event%Win == 0) then
        dispatched = .false.
      else
        call WindowCloseChild(event%Win)
      end if
    end if
  end function dispatched

  logical function on_menu(command)
    integer, intent(in) :: command
    on_menu = .true.
    select case (command)
    case (CmdLoad)
      call load_command()
    case (CmdFormula) ! modeless: its events come back through this loop
      call WDialogLoad(FormulaDialog)
      call WDialogShow(100, 100, 0, 2)
    case (CmdInfo) ! modal: returns when the user has closed it
      call WDialogLoad(InfoDialog)
      call WDialogShow(150, 150, 0, 1)
    case (CmdSave)
      call save_command()
    case (CmdEnd)
      on_menu = .false.
    end select
  end function on_menu

end subroutine MainProgram
