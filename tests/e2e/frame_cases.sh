# Cases of the frame that galdrun, ostrim and vendrel share, each a table
# over the three tools. The arguments after the two names are vendrel's numbers.

FILE_TOOLS="galdrun ostrim vendrel"

usage_of() {
  case $1 in
    galdrun) printf '%s\n' 'Android NEOGEO game_tiles Byte Swapper v0.00' \
      'usage: galdrun [Input File] [Output File]' ' (galdrun mslugx_tiles 250-c.bin)' ;;
    ostrim) printf '%s\n' 'Android NEOGEO game_sfix Byte Swapper v0.00' \
      'usage: ostrim [Input File] [Output File]' ' (ostrim blazstar_game_sfix 239-s1.bin)' ;;
    vendrel) printf '%s\n' 'usage: vendrel [Target file] [Out file] [Start addr(HEX)] [Cut size(HEX)]' \
      ' (vendrel mslugx_game_m68k 250-p2.bin 100000 400000)' ;;
  esac
}

numbers_of() { [ "$1" = vendrel ] && printf '%s\n' 0 40; }

some_input() { repeat 2 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 11 12 13 14 15 16 17 18 19 1a 1b 1c 1d 1e 1f >in.bin; }

case_usage_without_arguments() {
  local t
  for t in $FILE_TOOLS; do
    tool "$t"
    expect_status 1
    expect_out "$(usage_of "$t")
"
    [ -z "$(ls)" ] || fail "$t left files: $(ls)"
  done
}

case_missing_input_leaves_output_alone() {
  local t
  for t in $FILE_TOOLS; do
    printf 'keep me' >out.bin
    # shellcheck disable=SC2046
    tool "$t" missing.bin out.bin $(numbers_of "$t")
    expect_status 1
    expect_out $'File missing.bin not found.\n'
    expect_bytes out.bin 6b 65 65 70 20 6d 65
    # The input is looked for before any other argument is missed.
    tool "$t" missing.bin
    expect_status 1
    expect_out $'File missing.bin not found.\n'
  done
}

case_too_few_arguments_give_usage_and_create_nothing() {
  some_input
  local t args
  for t in $FILE_TOOLS; do
    for args in "in.bin" "in.bin out.bin" "in.bin out.bin 0"; do
      [ "$t" != vendrel ] && [ "$args" != in.bin ] && continue
      # shellcheck disable=SC2086
      tool "$t" $args
      expect_status 1
      expect_out "$(usage_of "$t")
"
      expect_absent out.bin
    done
  done
}

case_create_error() {
  some_input
  local t
  for t in $FILE_TOOLS; do
    # shellcheck disable=SC2046
    tool "$t" in.bin nodir/out.bin $(numbers_of "$t")
    expect_status 1
    expect_out $'File nodir/out.bin create error.\n'
    expect_absent nodir
  done
}

case_same_file_refused() {
  some_input
  cp in.bin orig.bin
  local t name
  for t in $FILE_TOOLS; do
    for name in in.bin ./in.bin ../work/in.bin; do
      # shellcheck disable=SC2046
      tool "$t" in.bin "$name" $(numbers_of "$t")
      expect_status 1
      expect_out "File $name is the input file.
"
      expect_same in.bin orig.bin
    done
  done
}

posix_case_hard_link_refused() {
  some_input
  cp in.bin orig.bin
  ln in.bin link.bin
  local t
  for t in $FILE_TOOLS; do
    # shellcheck disable=SC2046
    tool "$t" in.bin link.bin $(numbers_of "$t")
    expect_status 1
    expect_out $'File link.bin is the input file.\n'
    expect_same in.bin orig.bin
  done
}

posix_case_full_device_is_a_write_error() {
  some_input
  local t
  for t in $FILE_TOOLS; do
    # shellcheck disable=SC2046
    tool "$t" in.bin /dev/full $(numbers_of "$t")
    expect_status 1
    local numbers=""
    [ "$t" = vendrel ] && numbers=$'Start  addr : 0(00000000) bytes.\nCuttingsize : 64(00000040) bytes.\n'
    expect_out "Input  file : in.bin
Output file : /dev/full
${numbers}File /dev/full write error.
"
    expect_out_lacks Done.
  done
}

posix_case_directory_is_a_read_error() {
  mkdir dir.bin
  local t
  for t in $FILE_TOOLS; do
    # shellcheck disable=SC2046
    tool "$t" dir.bin out.bin $(numbers_of "$t")
    expect_status 1
    expect_out_has 'File dir.bin read error.'
    expect_out_lacks Done.
    expect_size out.bin 0
  done
}

case_extra_arguments_ignored() {
  some_input
  local t
  for t in $FILE_TOOLS; do
    # shellcheck disable=SC2046
    tool "$t" in.bin a.bin $(numbers_of "$t")
    expect_status 0
    cp "$CAPTURE/out" "$CAPTURE/first"
    # shellcheck disable=SC2046
    tool "$t" in.bin b.bin $(numbers_of "$t") extra 1 2
    expect_status 0
    expect_same a.bin b.bin
    sed 's/b\.bin/a.bin/' "$CAPTURE/out" | cmp -s - "$CAPTURE/first" || fail "$t printed otherwise"
  done
}
