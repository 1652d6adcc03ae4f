! The formula dialog (101) and the evaluation:
!   y(x) = sum for j = 1 to n of ( a Sin[j x / (m pi)] + s b Cos[j x / (m pi)] )
! at ten equally spaced points from x (min.) to x (max.).
module formaldrix_formula
  use, intrinsic :: iso_fortran_env, only: real64
  use formaldrix_general
  use formaldrix_number_text
  use formaldrix_result_window
  implicit none
  private
  public :: berechnungformel, formelsc

  real(real64), parameter :: Pi = 3.141592653589793_real64

contains

  ! The x values come from repeated addition of the step, so the last may fall short of xmax.
  subroutine formelsc()
    real(real64) :: dx, x, numerator, denominator, t
    integer :: i, j
    dx = (xmax - xmin) / 9.0_real64
    x = xmin
    do i = 1, PointCount
      xs(i) = x
      ys(i) = 0.0_real64
      do j = 1, n
        ! Numerator and denominator rounded each on its own, as the results are defined.
        numerator = j * x
        denominator = m * Pi
        t = numerator / denominator
        ys(i) = ys(i) + (a * sin(t) + (b * s) * cos(t))
      end do
      x = x + dx
    end do
  end subroutine formelsc

  ! The six texts in their order; each value is stored as soon as it converts, and the first
  ! text that does not stops the sequence. m = 0 is refused, as it would divide by zero.
  logical function converted(ta, tb, tm, tn, tmin, tmax)
    character(len=*), intent(in) :: ta, tb, tm, tn, tmin, tmax
    integer :: mValue
    converted = .false.
    if (.not. text_to_real(ta, a)) return
    if (.not. text_to_real(tb, b)) return
    mValue = 0
    if (.not. text_to_integer(tm, mValue)) return
    if (mValue == 0) return
    m = mValue
    if (.not. text_to_integer(tn, n)) return
    if (.not. text_to_real(tmin, xmin)) return
    converted = text_to_real(tmax, xmax)
  end function converted

  subroutine on_ok()
    character(len=20) :: ta, tb, tmin, tmax
    character(len=5) :: tm, tn
    integer :: sign
    call WDialogGetString(1013, ta)
    call WDialogGetString(1014, tb)
    call WDialogGetString(1015, tm)
    call WDialogGetString(1020, tn)
    call WDialogGetString(1017, tmin)
    call WDialogGetString(1018, tmax)
    sign = 1
    call WDialogGetRadioButton(1021, sign)
    s = 1.0_real64
    if (sign == 2) s = -1.0_real64
    if (.not. converted(ta, tb, tm, tn, tmin, tmax)) then
      call WMessageBox(0, 3, 1, 'Eine Eingabe kann nicht fehlerfrei in eine Zahl umgewandelt werden.', &
                       'Fehlerhafte Eingabe')
      return
    end if
    call formelsc()
    call zeigergebnis(0)
  end subroutine on_ok

  ! Every event of the formula dialog.
  subroutine berechnungformel()
    select case (eventType)
    case (EventDialogCommand)
      select case (event%Value1)
      case (1)
        call on_ok()
      case (2, 8)
        call WDialogHide()
      case default
        call WindowBell(' ')
      end select
    case (EventCloseRequest)
      call WDialogHide()
    end select
  end subroutine berechnungformel

end module formaldrix_formula
