! Loading and saving the ten points: a text file of ten lines, x then y on each. Numbers are
! written with 16 significant digits, fixed for 0.1 <= |v| < 1E16, else in scientific form.
module formaldrix_result_file
  use, intrinsic :: iso_fortran_env, only: real64
  use formaldrix_general
  use formaldrix_result_window
  implicit none
  private
  public :: load_command, save_command, sixteen_digits

  character(len=*), parameter :: Filter = 'Formaldrix Ergebnis Dateien|*.dat|Alle Dateien|*.*|'

contains

  ! The exponent is taken after rounding to 16 digits, so 9.99999999999999999 counts as 10.
  function sixteen_digits(v) result(text)
    real(real64), intent(in) :: v
    character(len=:), allocatable :: text
    character(len=32) :: scientific, fixed, format
    integer :: e, mark
    write (scientific, '(ES24.15E3)') v
    scientific = adjustl(scientific)
    mark = index(scientific, 'E')
    read (scientific(mark + 1:), *) e
    if (abs(v) > 0 .and. e >= -1 .and. e <= 15) then
      write (format, '("(F0.",I0,")")') 15 - e
      write (fixed, format) v
      text = trim(fixed)
      ! F0.d leaves out the zero before the point.
      if (text(1:1) == '.') text = '0'//text
      if (text(1:2) == '-.') text = '-0'//text(2:)
    else
      write (format, '(SP,I0.2)') e
      text = scientific(1:mark)//trim(adjustl(format))
    end if
  end function sixteen_digits

  ! Reads each line for x and y; a line with fewer values continues on the next.
  subroutine load_command()
    type(Tessar04Record), pointer :: dialogState
    integer :: unit, status, i
    call WSelectFile(Filter, 10, fileName, 'Lade Ergebnisse aus Datei')
    dialogState => tessar04()
    if (dialogState%commonResult /= 1) return ! cancelled
    open (newunit=unit, file=trim(fileName), status='old', action='read', iostat=status)
    if (status == 0) then
      do i = 1, PointCount
        read (unit, *, iostat=status) xs(i), ys(i)
        if (status /= 0) exit
      end do
      close (unit)
    end if
    if (status /= 0) then
      call WMessageBox(0, 3, 1, 'Die Datei enth'//char(228)//'lt keine zehn Ergebnisse.', 'Fehler')
      return
    end if
    call zeigergebnis(0)
  end subroutine load_command

  ! Written to a temporary file beside the chosen one, which replaces it only once complete.
  subroutine save_command()
    type(Tessar04Record), pointer :: dialogState
    character(len=:), allocatable :: target, temporary
    integer :: unit, status, i
    call WSelectFile(Filter, 11, fileName, 'Speicher Ergebnis in Datei')
    dialogState => tessar04()
    if (dialogState%commonResult /= 1) return ! cancelled
    target = trim(fileName)
    temporary = target//'.tmp'
    open (newunit=unit, file=temporary, status='replace', action='write', iostat=status)
    if (status == 0) then
      do i = 1, PointCount
        write (unit, '(4A)', iostat=status) ' ', sixteen_digits(xs(i)), ' ', sixteen_digits(ys(i))
        if (status /= 0) exit
      end do
      close (unit)
    end if
    if (status == 0) call rename(temporary, target, status)
    if (status /= 0) call WMessageBox(0, 3, 1, 'Die Ergebnisse konnten nicht gespeichert werden.', &
                                      'Fehler')
  end subroutine save_command

end module formaldrix_result_file
