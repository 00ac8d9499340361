# tileview end to end: sheets drawn from the files that galdrun, pellimar and
# ostrim make, compared pixel for pixel once libpng has decoded them
# (png_to_ppm). TILEVIEW and PNG_TO_PPM come from CTest like the tools.

# tileview ARGS...: sets STATUS; stdout and stderr land in $CAPTURE/out and err.
tileview() {
  # shellcheck disable=SC2086  # the emulator prefix is meant to split into words
  $TOOL_EMULATOR "$TILEVIEW" "$@" >"$CAPTURE/out" 2>"$CAPTURE/err"
  # shellcheck disable=SC2034  # read by expect_status in lib.sh
  STATUS=$?
  sanitizer_clean tileview "$CAPTURE/err"
}

# sanitizer_clean NAME FILE: under the sanitizer build a report fails the case,
# as lib.sh does for the four tools.
sanitizer_clean() {
  if grep -qE 'SUMMARY: [A-Za-z]+Sanitizer|runtime error: ' "$2"; then
    fail "$1 reported: $(cat "$2")"
  fi
}

# pixels IN.png OUT.ppm: the PNG's pixels, decoded by libpng.
pixels() {
  # shellcheck disable=SC2086
  $TOOL_EMULATOR "$PNG_TO_PPM" "$1" "$2" 2>"$CAPTURE/png_to_ppm.err" || fail "$1 is not a readable PNG"
  sanitizer_clean png_to_ppm "$CAPTURE/png_to_ppm.err"
}

# expect_picture_size FILE.ppm WIDTH HEIGHT
expect_picture_size() {
  local got
  got=$(head -n 2 "$1" | tr '\n' ' ')
  [ "$got" = "P6 $2 $3 " ] || fail "$1 is [$got], expected $2 x $3"
}

expect_err_has() { grep -qF -- "$1" "$CAPTURE/err" || fail "stderr lacks [$1]: $(cat "$CAPTURE/err")"; }

case_sprite_pair_from_pellimar_draws_like_its_tile_file() {
  # 96 tiles: a 0x3000-byte image, so each C ROM takes 0x1800 bytes.
  head -c $((96 * 128)) /dev/urandom >port_tiles
  tool galdrun port_tiles tiles.swp
  expect_status 0
  answers '0 0 1800 c1.bin 0 1 1800 c2.bin -1'
  tool pellimar tiles.swp
  expect_status 0
  tileview --packed tiles.swp -o packed.png
  expect_status 0
  expect_out $'packed.png: tiles 0 to 5F of 60 (hexadecimal), 16 a row, 529 x 199 pixels\n'
  tileview --sprites c1.bin c2.bin -o pair.png
  expect_status 0
  pixels packed.png packed.ppm
  pixels pair.png pair.ppm
  expect_picture_size pair.ppm 529 199
  expect_same packed.ppm pair.ppm

  # What the sheet is for: mistakes show.
  tileview --sprites c2.bin c1.bin -o swapped.png
  expect_status 0
  pixels swapped.png swapped.ppm
  cmp -s swapped.ppm packed.ppm && fail "a pair given the wrong way round looks right"
  tileview --packed port_tiles -o unswapped.png
  expect_status 0
  pixels unswapped.png unswapped.ppm
  cmp -s unswapped.ppm packed.ppm && fail "a tile file that skipped galdrun looks right"
  return 0
}

case_part_of_a_pair_matches_the_same_part_of_the_tile_file() {
  head -c $((64 * 128)) /dev/urandom >tiles.swp
  answers '0 0 1000 c1.bin 0 1 1000 c2.bin -1'
  tool pellimar tiles.swp
  expect_status 0
  tileview --packed tiles.swp -o a.png --first 23 --count 11 --columns 4 --scale 1
  expect_status 0
  tileview --sprites c1.bin c2.bin -o b.png --first=23 --count=0x11 --columns=4 --scale=1
  expect_status 0
  expect_out $'b.png: tiles 23 to 33 of 40 (hexadecimal), 4 a row, 69 x 86 pixels\n'
  pixels a.png a.ppm
  pixels b.png b.ppm
  expect_picture_size a.ppm 69 86
  expect_same a.ppm b.ppm
}

case_s_rom_from_ostrim_draws_like_its_fix_rows() {
  head -c $((50 * 32 + 7)) /dev/urandom >sfix
  tool ostrim sfix s1.bin
  expect_status 0
  tileview --fix-rows sfix -o rows.png
  expect_status 0
  tileview --fix s1.bin -o s1.png
  expect_status 0
  expect_out $'s1.png: tiles 0 to 31 of 32 (hexadecimal), 16 a row, 273 x 69 pixels\n'
  pixels rows.png rows.ppm
  pixels s1.png s1.ppm
  expect_picture_size s1.ppm 273 69
  expect_same rows.ppm s1.ppm
  tileview --fix sfix -o wrong.png
  pixels wrong.png wrong.ppm
  cmp -s wrong.ppm rows.ppm && fail "the row order drawn as an S ROM looks right"
  return 0
}

case_a_64_mib_pair_is_drawn_in_part_by_default() {
  truncate -s 32M c1.bin c2.bin || fail "truncate"
  tileview --sprites c1.bin c2.bin -o sheet.png --scale 1
  expect_status 0
  expect_out $'sheet.png: tiles 0 to FFF of 80000 (hexadecimal), 16 a row, 273 x 4353 pixels\nOnly the first 1000 tiles (hexadecimal) are drawn; choose others with --first and --count.\n'
  pixels sheet.png sheet.ppm
  expect_picture_size sheet.ppm 273 4353
  tileview --sprites c1.bin c2.bin -o last.png --first 7FFFF
  expect_status 0
  expect_out $'last.png: tiles 7FFFF to 7FFFF of 80000 (hexadecimal), 1 a row, 34 x 34 pixels\n'
}

case_help_and_bad_arguments() {
  tileview --help
  expect_status 0
  expect_out_has 'usage: tileview INPUT -o SHEET.png'
  expect_out_has '--sprites C1 C2'
  tileview
  expect_status 1
  expect_err_has 'usage: tileview'
  tileview --packed tiles --scale 0 -o x.png
  expect_status 1
  expect_err $'tileview: --scale 0 is not a number from 1 to 16\nTry \'tileview --help\' for more.\n'
  tileview --packed missing.swp -o x.png
  expect_status 1
  expect_err $'tileview: missing.swp: cannot open the file\n'
  expect_out ''
  expect_absent x.png
}

case_bad_files_leave_no_picture() {
  head -c 100 /dev/urandom >short.swp
  tileview --packed short.swp -o x.png
  expect_status 1
  expect_err $'tileview: short.swp: holds no whole tile (100 bytes; a tile takes 128)\n'
  head -c 64 /dev/urandom >c1.bin
  head -c 128 /dev/urandom >c2.bin
  tileview --sprites c1.bin c2.bin -o x.png
  expect_status 1
  expect_err_has 'differ in length (64 and 128 bytes)'
  mkdir folder
  tileview --fix folder -o x.png
  expect_status 1
  expect_err $'tileview: folder: is a folder\n'
  expect_absent x.png
  head -c 64 /dev/urandom >s1.bin
  cp s1.bin kept.bin
  tileview --fix s1.bin -o s1.bin
  expect_status 1
  expect_err $'tileview: s1.bin: is an input file\n'
  expect_same s1.bin kept.bin
}
