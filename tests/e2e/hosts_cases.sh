# How the tools meet their host: file name spellings, line ends of the text
# they print and read, and data bytes that a text stream would translate.
# windows_case_* run only on a Windows build, posix_case_* only elsewhere.
# shellcheck disable=SC2046  # byte lists from $(times ...) are meant to split

# Bytes a text stream changes (LF, CR, Ctrl-Z) among others.
awkward_input() { repeat 8 0a 0d 0a 1a 0d 00 ff 0a >in.bin; }

case_data_bytes_pass_untranslated() {
  awkward_input
  tool vendrel in.bin copy.bin 0 40
  expect_status 0
  expect_same in.bin copy.bin
  tool galdrun in.bin swapped.bin
  expect_status 0
  expect_bytes swapped.bin $(times 8 a1 a0 d0 a0 a0 ff 00 d0)
  tool galdrun swapped.bin back.bin
  expect_same in.bin back.bin
  tool ostrim in.bin s1.bin
  expect_status 0
  expect_size s1.bin 64
  # The whole tile is read, Ctrl-Z and CR LF pairs included.
  repeat 16 0a 0d 0a 1a 0d 00 ff 0a >t.swp
  answers '0 0 40 c1.bin 0 1 40 c2.bin -1'
  tool pellimar t.swp
  expect_status 0
  expect_out_has 'Length = 00000080 (128 bytes)'
  expect_size c1.bin 64
  expect_size c2.bin 64
}

case_answers_with_cr_lf_line_ends() {
  repeat 16 10 32 54 76 98 BA DC FE >t.swp
  answers $'0\r\n0\r\n2\r\na.bin\r\n-1\r\n'
  tool pellimar t.swp
  expect_status 0
  expect_only t.swp a.bin
  expect_bytes a.bin aa cc
}

windows_case_text_lines_end_in_cr_lf() {
  awkward_input
  tool vendrel in.bin out.bin 0 40
  expect_status 0
  local lf crlf
  lf=$(tr -cd '\n' <"$CAPTURE/out.raw" | wc -c)
  crlf=$(grep -c $'\r$' "$CAPTURE/out.raw")
  [ "$lf" = 5 ] || fail "$lf lines, expected 5"
  [ "$crlf" = 5 ] || fail "$lf lines, $crlf of them end in CR LF: $(od -c "$CAPTURE/out.raw")"
}

posix_case_text_lines_end_in_lf() {
  awkward_input
  tool vendrel in.bin out.bin 0 40
  expect_status 0
  [ "$(tr -cd '\n' <"$CAPTURE/out.raw" | wc -c)" = 5 ] || fail "not five lines"
  ! grep -q $'\r' "$CAPTURE/out.raw" || fail "a CR in the output: $(od -c "$CAPTURE/out.raw")"
}

windows_case_backslashes_and_capitals_name_the_same_file() {
  awkward_input
  cp in.bin orig.bin
  local t name numbers
  for t in galdrun ostrim vendrel; do
    numbers=""
    [ $t = vendrel ] && numbers="0 40"
    for name in '.\in.bin' '..\work\in.bin' 'IN.BIN' 'In.Bin' '.\sub\..\IN.bin'; do
      mkdir -p sub
      # shellcheck disable=SC2086
      tool $t in.bin "$name" $numbers
      expect_status 1
      expect_out "File $name is the input file.
"
      expect_same in.bin orig.bin
    done
  done
  repeat 16 10 32 54 76 98 BA DC FE >t.swp
  answers '0 0 40 .\T.SWP -1'
  tool pellimar t.swp
  expect_status 1
  expect_out_has 'File .\T.SWP is the tile file.'
}

windows_case_backslash_paths_read_and_write() {
  mkdir -p a/b
  awkward_input
  mv in.bin a/in.bin
  tool vendrel 'a\in.bin' 'a\b\out.bin' 8 10
  expect_status 0
  expect_out_has 'Input  file : a\in.bin'
  expect_bytes a/b/out.bin $(times 2 0a 0d 0a 1a 0d 00 ff 0a)
  repeat 16 10 32 54 76 98 BA DC FE >a/t.swp
  answers '0 1 2 a\b\c2.bin -1'
  tool pellimar 'a\t.swp'
  expect_status 0
  expect_bytes a/b/c2.bin f0 ff
}
