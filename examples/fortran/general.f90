! The application's state: the formula's parameters, the ten result points, the result window
! and the last event.
module formaldrix_general
  use, intrinsic :: iso_fortran_env, only: real64
  use tessaramond
  implicit none

  ! Menu 30001 and its commands; the two dialogs.
  integer, parameter :: MainMenu = 30001
  integer, parameter :: CmdLoad = 40003, CmdFormula = 40005, CmdInfo = 40006, &
                        CmdEnd = 40009, CmdSave = 40011
  integer, parameter :: FormulaDialog = 101, InfoDialog = 102
  integer, parameter :: PointCount = 10

  real(real64) :: a = 0, b = 0, s = 0, xmin = 0, xmax = 0
  integer :: m = 0, n = 0
  real(real64) :: xs(PointCount) = 0, ys(PointCount) = 0

  integer :: resultWindow = -1          ! -1 while the result window is not open
  type(FontDescription) :: resultFont   ! taken when the result window opens
  integer :: resultLineSpacing = 0      ! window units
  character(len=256) :: fileName = 'Formaldrix_Ergebnis.dat'  ! shared by loading and saving

  type(WindowDescription) :: root
  integer :: eventType = 0
  type(EventRecord) :: event

contains

  ! The state at program start, for a main program that runs more than once in one process.
  subroutine start_state()
    a = 0; b = 0; s = 0; xmin = 0; xmax = 0
    m = 0; n = 0
    xs = 0; ys = 0
    resultWindow = -1
    resultFont = FontDescription()
    resultLineSpacing = 0
    fileName = 'Formaldrix_Ergebnis.dat'
    root = WindowDescription()
    eventType = 0
    event = EventRecord()
  end subroutine start_state
end module formaldrix_general
