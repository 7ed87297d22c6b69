#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# .ci/package-checks against small packages and trees made here: the project's real desktop entry
# and metadata pass, and every kind of fault (errors, warnings only, missing files) fails the
# check that should catch it and only that one.
# Usage: package_checks.sh SOURCE-DIR
set -euo pipefail

source_dir=$1
checks=$source_dir/.ci/package-checks
for tool in lintian desktop-file-validate appstreamcli reuse dpkg-deb git; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
metainfo=cz.test_znalosti.testznalosti.metainfo.xml

# A package holding the given desktop entry and metainfo file ("-" for none).
make_deb() {
  local name=$1 desktop=$2 meta=$3 root=$work/$1
  mkdir -p "$root/DEBIAN" "$root/usr/share/applications" "$root/usr/share/metainfo" \
           "$root/usr/share/icons/hicolor/scalable/apps"
  printf 'Package: %s\nVersion: 1.0\nArchitecture: all\nMaintainer: T <t@example.org>\nDescription: test\n' \
    "$name" > "$root/DEBIAN/control"
  [ "$desktop" = - ] || cp "$desktop" "$root/usr/share/applications/test-znalosti.desktop"
  [ "$meta" = - ] || cp "$meta" "$root/usr/share/metainfo/$metainfo"
  cp "$source_dir/packaging/test-znalosti.svg" "$root/usr/share/icons/hicolor/scalable/apps/"
  dpkg-deb --root-owner-group -b "$root" "$work/$name.deb" >/dev/null
}

# A git tree with a script, licensed when asked, and a picture deep down that REUSE.toml covers.
# REUSE-IgnoreStart
make_tree() {
  local tree=$work/$1 licensed=$2
  mkdir -p "$tree/LICENSES" "$tree/data/deep"
  cp "$source_dir/LICENSES/GPL-3.0-or-later.txt" "$tree/LICENSES/"
  cp "$source_dir/REUSE.toml" "$tree/"
  cp "$source_dir/app/icons/info.png" "$tree/data/deep/"
  if [ "$licensed" = yes ]; then
    printf '# SPDX-FileCopyrightText: 2026 T\n# SPDX-License-Identifier: GPL-3.0-or-later\n' > "$tree/a.sh"
  else
    printf 'echo unlicensed\n' > "$tree/a.sh"
  fi
  git -C "$tree" init -q && git -C "$tree" add -A
}
# REUSE-IgnoreEnd

failures=0
# expect CASE DEB TREE "FAILED: ..." [TEXT]: the checks must exit 1 naming exactly these checks,
# and print TEXT when given.
expect() {
  local name=$1 deb=$2 tree=$3 verdict=$4 text=${5:-} output status=0
  output=$("$checks" "$deb" "$tree" 2>&1) || status=$?
  if [ "$status" -ne 1 ] || ! grep -qx "$verdict" <<< "$output" \
     || { [ -n "$text" ] && ! grep -qF "$text" <<< "$output"; }; then
    echo "FAIL $name: exit $status, wanted '$verdict' ${text:+and '$text'}"
    echo "$output" | sed 's/^/    /'
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

make_tree licensed yes
make_tree unlicensed no

# The project's own desktop entry and metadata pass; only lintian objects to the bare package.
make_deb real "$source_dir/packaging/test-znalosti.desktop" "$source_dir/packaging/$metainfo"
expect real "$work/real.deb" "$work/licensed" "FAILED: lintian" "no-copyright-file"

# Errors in each.
sed 's/^Categories=.*/Categories=Foo;/' "$source_dir/packaging/test-znalosti.desktop" > "$work/error.desktop"
grep -v '<summary>' "$source_dir/packaging/$metainfo" > "$work/error.xml"
make_deb errors "$work/error.desktop" "$work/error.xml"
expect errors "$work/errors.deb" "$work/unlicensed" \
  "FAILED: lintian desktop-file-validate appstreamcli reuse" "component-summary-missing"

# Findings the tools only warn or inform about fail too.
printf 'Encoding=UTF-8\n' | cat "$source_dir/packaging/test-znalosti.desktop" - > "$work/warning.desktop"
grep -v '<content_rating' "$source_dir/packaging/$metainfo" > "$work/info.xml"
make_deb warnings "$work/warning.desktop" "$work/info.xml"
expect warnings "$work/warnings.deb" "$work/licensed" \
  "FAILED: lintian desktop-file-validate appstreamcli" "content-rating-missing"

# A package without a desktop entry or metadata has nothing to pass.
make_deb bare - -
expect bare "$work/bare.deb" "$work/licensed" \
  "FAILED: lintian desktop-file-validate appstreamcli" "the package has no desktop entry"

echo "$((4 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
