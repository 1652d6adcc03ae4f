! The example's number routines, callable from the C++ tests.
module number_calls
  use, intrinsic :: iso_c_binding
  use formaldrix_number_text
  use formaldrix_result_file
  implicit none
  private

contains

  subroutine fx_sixteen_digits(v, text, n) bind(C, name="fx_sixteen_digits")
    real(c_double), value :: v
    character(kind=c_char), intent(out) :: text(40)
    integer(c_int), intent(out) :: n
    character(len=:), allocatable :: s
    integer :: i
    s = sixteen_digits(v)
    n = int(min(len(s), 40), c_int)
    do i = 1, n
      text(i) = s(i:i)
    end do
  end subroutine fx_sixteen_digits

  ! 1 when the text converts; the value is left alone otherwise.
  integer(c_int) function fx_text_to_real(text, n, value) bind(C, name="fx_text_to_real")
    character(kind=c_char), intent(in) :: text(*)
    integer(c_int), value :: n
    real(c_double), intent(inout) :: value
    character(len=n) :: t
    integer :: i
    do i = 1, n
      t(i:i) = text(i)
    end do
    fx_text_to_real = merge(1, 0, text_to_real(t, value))
  end function fx_text_to_real

  integer(c_int) function fx_text_to_integer(text, n, value) bind(C, name="fx_text_to_integer")
    character(kind=c_char), intent(in) :: text(*)
    integer(c_int), value :: n
    integer(c_int), intent(inout) :: value
    character(len=n) :: t
    integer :: i
    do i = 1, n
      t(i:i) = text(i)
    end do
    fx_text_to_integer = merge(1, 0, text_to_integer(t, value))
  end function fx_text_to_integer

end module number_calls
