# The data of galdrun and ostrim, end to end.

case_galdrun_worked_example() {
  bytes 12 34 56 78 9A BC DE F0 AB >tiles
  tool galdrun tiles tiles.swp
  expect_status 0
  expect_out $'Input  file : tiles\nOutput file : tiles.swp\n'
  expect_bytes tiles.swp 87 65 43 21 0F ED CB A9
}

case_galdrun_lengths_drop_the_final_partial_group() {
  local n
  for n in 0 1 2 3 4 5 7 8; do
    head -c $n /dev/urandom >in.bin
    printf 'older and longer output' >out.bin
    tool galdrun in.bin out.bin
    expect_status 0
    expect_size out.bin $((n / 4 * 4))
  done
}

case_galdrun_twice_gives_back_the_input() {
  # More than one internal buffer's worth, so block boundaries are crossed.
  head -c 3000004 /dev/urandom >in.bin
  tool galdrun in.bin once.bin
  expect_status 0
  tool galdrun once.bin twice.bin
  expect_status 0
  expect_same in.bin twice.bin
  cmp -s in.bin once.bin && fail "the swap changed nothing"
  return 0
}

case_ostrim_two_tiles_and_short_tail() {
  local tile="00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F"
  local out="02 06 0A 0E 12 16 1A 1E 03 07 0B 0F 13 17 1B 1F 00 04 08 0C 10 14 18 1C 01 05 09 0D 11 15 19 1D"
  # shellcheck disable=SC2086
  { bytes $tile; bytes $tile; bytes 55; } >sfix
  tool ostrim sfix s1.bin
  expect_status 0
  expect_out $'Input  file : sfix\nOutput file : s1.bin\nDone.\n'
  # shellcheck disable=SC2086
  expect_bytes s1.bin $out $out
  # Twice does not give the input back: byte 0 is then input byte 10.
  tool ostrim s1.bin again.bin
  expect_status 0
  [ "$(head -c 1 again.bin | od -An -tx1 | tr -d ' ')" = 0a ] || fail "second pass byte 0"
}

case_ostrim_lengths() {
  local n
  for n in 0 31 32 33 64 1048607; do
    head -c $n /dev/urandom >in.bin
    printf 'older output' >out.bin
    tool ostrim in.bin out.bin
    expect_status 0
    expect_size out.bin $((n / 32 * 32))
    expect_out_has Done.
  done
}
