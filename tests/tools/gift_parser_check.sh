#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The GIFT that `export` writes, read by an independent GIFT parser (the npm package gift-pegjs,
# installed into the build folder): every record comes out as a multiple-choice question with
# the bank's texts. Without node, npm or the registry the test skips (77); under
# TZ_REQUIRE_TOOLS=1, as CI runs it, it fails instead.
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
tool=$build/test-znalosti-banka
prefix=$build/npm

unavailable() {
  echo "$1"
  [ "${TZ_REQUIRE_TOOLS:-0}" = 1 ] && exit 1
  exit 77
}

command -v node >/dev/null && command -v npm >/dev/null || unavailable "node or npm is not installed"
if [ ! -f "$prefix/node_modules/gift-pegjs/package.json" ]; then
  mkdir -p "$prefix"
  npm install --prefix "$prefix" --no-audit --no-fund gift-pegjs >"$prefix/install.log" 2>&1 \
    || unavailable "gift-pegjs cannot be installed from the registry (see $prefix/install.log)"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/special.csv" <<'CSV'
Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp
1,"Co je {x} ~ = # \ :: -> ""uvozovky"" <b>&amp;</b>?
// druhý řádek",[html] a,"b, c",~d,"Komentář #### {}",1
3,Příliš žluťoučký kůň úpěl ďábelské ódy?,ano,ne,$CATEGORY: x,,2
2,Kolik?,%100% celá,%-25% čtvrtina,půl,,2
CSV
"$tool" build "$work/special.csv" "$work/special.db" >/dev/null || exit 1

for bank in "$build/test.db" "$work/special.db"; do
  "$tool" export "$bank" "$work/bank.gift" >/dev/null || exit 1
  "$tool" dump "$bank" >"$work/bank.csv" || exit 1
  python3 -c 'import csv, json, sys; json.dump(list(csv.DictReader(open(sys.argv[1], newline=""))), sys.stdout)' \
    "$work/bank.csv" >"$work/bank.json" || exit 1
  node "$here/gift_parse.js" "$prefix/node_modules/gift-pegjs" "$work/bank.gift" "$work/bank.json" || exit 1
done
