#!/bin/sh
# Has the exchange round trip write its files into a folder of its own, then checks each file's digest with
# md5sum, apart from the program's own MD5: the MD5 of the file with its 16 digest bytes zeroed must equal them.
# Usage: CheckExchangeDigests.sh <folder> <core_tests program, with what runs it first when cross-built>
set -eu
out=$1
shift
rm -rf "$out"
mkdir -p "$out"
if ! TORVANE_EXCHANGE_OUT=$out "$@" --gtest_filter=ExchangeFlowTest.FilesRoundTripByteExactly >"$out/run.log" 2>&1
then
  cat "$out/run.log"
  exit 1
fi

# digest_matches <file> <offset>: the stored digest at <offset> is the MD5 of the file with it zeroed.
digest_matches() {
  stored=$(od -An -v -tx1 -j "$2" -N 16 "$1" | tr -d ' \n')
  computed=$({ head -c "$2" "$1"; head -c 16 /dev/zero; tail -c +$(($2 + 17)) "$1"; } | md5sum | cut -d' ' -f1)
  [ ${#stored} -eq 32 ] && [ "$stored" = "$computed" ]
}

# check <file> <size> <digest offset>
check() {
  [ "$(wc -c <"$1")" -eq "$2" ] || { echo "$1: not $2 bytes"; exit 1; }
  digest_matches "$1" "$3" || { echo "$1: the stored digest is not the file's MD5"; exit 1; }
  # The check must be able to fail: one changed byte after the digest breaks it.
  { head -c $(($3 + 16)) "$1"; printf 'x'; tail -c +$(($3 + 18)) "$1"; } >"$1.changed"
  if digest_matches "$1.changed" "$3"; then echo "$1: a changed file still matched"; exit 1; fi
  echo "$1: digest verified"
}

check "$out/config.vqc" 864 6
check "$out/macro.vqm" 568 9
check "$out/curve.vql" 61 3
