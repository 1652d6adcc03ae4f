! Numbers from the texts of the dialog's fields: the first word (up to a blank or a comma) is
! the number, whatever follows is ignored. A real may carry a sign, a decimal point and an
! exponent introduced by E or D; an integer is a sign and digits only.
module formaldrix_number_text
  use, intrinsic :: iso_fortran_env, only: real64
  implicit none
  private
  public :: text_to_real, text_to_integer

contains

  ! The first word of text, or an empty string.
  function first_word(text) result(word)
    character(len=*), intent(in) :: text
    character(len=:), allocatable :: word
    integer :: first, last
    first = verify(text, ' ')
    if (first == 0) then
      word = ''
      return
    end if
    last = scan(text(first:), ' ,')
    if (last == 0) then
      word = text(first:)
    else
      word = text(first:first + last - 2)
    end if
  end function first_word

  ! Digits from position i on; i is left after them.
  integer function digits_from(word, i) result(count)
    character(len=*), intent(in) :: word
    integer, intent(inout) :: i
    count = 0
    do while (i <= len(word))
      if (word(i:i) < '0' .or. word(i:i) > '9') exit
      i = i + 1
      count = count + 1
    end do
  end function digits_from

  ! A list-directed read would also take repeat counts, slashes and names such as Inf, so the
  ! word's syntax is checked first.
  logical function is_real_syntax(word) result(ok)
    character(len=*), intent(in) :: word
    integer :: i, mantissa
    ok = .false.
    i = 1
    if (len(word) >= 1) then
      if (word(1:1) == '+' .or. word(1:1) == '-') i = 2
    end if
    mantissa = digits_from(word, i)
    if (i <= len(word)) then
      if (word(i:i) == '.') then
        i = i + 1
        mantissa = mantissa + digits_from(word, i)
      end if
    end if
    if (mantissa == 0) return
    if (i <= len(word)) then
      if (index('EeDd', word(i:i)) == 0) return
      i = i + 1
      if (i <= len(word)) then
        if (word(i:i) == '+' .or. word(i:i) == '-') i = i + 1
      end if
      if (digits_from(word, i) == 0) return
    end if
    ok = i > len(word)
  end function is_real_syntax

  logical function text_to_real(text, value) result(ok)
    character(len=*), intent(in) :: text
    real(real64), intent(inout) :: value
    character(len=:), allocatable :: word
    integer :: status
    real(real64) :: v
    word = first_word(text)
    ok = is_real_syntax(word)
    if (.not. ok) return
    read (word, *, iostat=status) v
    ok = status == 0
    if (ok) value = v
  end function text_to_real

  logical function text_to_integer(text, value) result(ok)
    character(len=*), intent(in) :: text
    integer, intent(inout) :: value
    character(len=:), allocatable :: word
    integer :: status, i, v
    word = first_word(text)
    i = 1
    if (len(word) >= 1) then
      if (word(1:1) == '+' .or. word(1:1) == '-') i = 2
    end if
    ok = digits_from(word, i) > 0 .and. i > len(word)
    if (.not. ok) return
    read (word, *, iostat=status) v
    ok = status == 0
    if (ok) value = v
  end function text_to_integer

end module formaldrix_number_text
