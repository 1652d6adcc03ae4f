! A Fortran program built outside the toolkit's tree against the installed package, with the
! C++ consumer's resources: opens the root window with its menu, reads the field its dialog
! starts with, sets the text colour and reads it back, draws a polygon from arrays, and prints
! what it found.
subroutine MainProgram
  use tessaramond
  implicit none
  integer, parameter :: IDD_NUMBER = 100, IDF_NUMBER = 101, IDM_CONSUMER = 200
  type(WindowDescription) :: root
  type(FontDescription) :: font
  type(Tessar04Record), pointer :: dialogs
  character(len=12) :: text
  integer :: rootOpen, value, colourError, polygonError
  real :: x(3) = [10.0, 90.0, 50.0], y(3) = [10.0, 10.0, 80.0]

  call WInitialise()
  root%Flags = WinFlagSystemMenu + WinFlagStatusBar
  root%Width = 320
  root%Height = 200
  root%MenuId = IDM_CONSUMER
  root%Title = 'Fortran-Verbraucher'
  call WindowOpen(root)
  rootOpen = InfoError(1)

  call WDialogLoad(IDD_NUMBER)
  text = repeat('?', len(text))
  call WDialogGetString(IDF_NUMBER, text)
  value = 0
  call IStringToInteger(text, value)
  dialogs => tessar04()

  font%Foreground = ColourRed
  font%Background = ColourWhite
  call WindowFont(font)

  call IGrUnits(0.0, 0.0, 100.0, 100.0)
  call IGrColourN(300)
  colourError = InfoError(1)
  call IGrColourN(100)
  call IGrFillPolygon(3, x, y)
  polygonError = InfoError(1)

  write (*, '(a,i0,a,i0,3a,i0,a,i0,a,i0,a,i0)') 'open ', rootOpen, ' dialog ', &
    dialogs%currentDialog, ' text [', text, '] value ', value, ' foreground ', WInfoFont(6), &
    ' colour ', colourError, ' polygon ', polygonError
  call WDialogUnload()
  call WindowClose()
end subroutine MainProgram
