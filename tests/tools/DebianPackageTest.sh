#!/usr/bin/env bash
# Builds the Debian package from a build folder, as whoever installs the lab
# machines would, and checks it: every file it must hold, its control
# fields, lintian's verdict (no error, no warning) and that the packaged
# programs run from where the package puts them.
# usage: DebianPackageTest.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in cpack dpkg-deb lintian; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done

# A folder of its own, so that a package made by hand in the build folder
# is neither used nor overwritten.
out=$(mktemp -d "$build/package-test.XXXXXX")
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; fail "cpack failed"; }
deb=$out/starloom_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || { ls "$out"; fail "cpack did not make $(basename "$deb")"; }

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
echo "$contents"
for pattern in \
    '^\./usr/bin/Starloom$' \
    '^\./usr/bin/starloom-sim$' \
    '^\./usr/share/applications/[^/]+\.desktop$' \
    '^\./usr/share/icons/hicolor/[^/]+/apps/[^/]+\.(png|svg|xpm)$' \
    '^\./usr/share/metainfo/[^/]+\.(metainfo|appdata)\.xml$' \
    '^\./usr/share/doc/starloom/copyright$' \
    '^\./usr/share/doc/starloom/changelog\.gz$'; do
    grep -Eq "$pattern" <<<"$contents" || fail "the package holds nothing matching $pattern"
done

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == starloom ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)'"
[[ $(field Section) == science ]] || fail "Section is '$(field Section)'"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
depends=$(field Depends)
echo "Depends: $depends"
# One dependency a line, without versions.
depends=$(tr ',' '\n' <<<"$depends" | sed -E 's/^ *//; s/ .*//')
# The fonts by hand, the libraries found by dpkg-shlibdeps in the programs.
for package in fonts-ipafont-gothic fonts-ipafont-mincho 'libcfitsio[0-9]+' libqt6core6 libqt6gui6 libqt6widgets6 libc6; do
    grep -Eq "^$package$" <<<"$depends" || fail "Depends lacks $package"
done

# As root lintian wants to be told that root is meant.
lintian --allow-root --fail-on error,warning --display-info "$deb" || fail "lintian reports errors or warnings"

# The programs must run from the package's own tree, with no build paths.
dpkg-deb --extract "$deb" "$out/root"
"$out/root/usr/bin/starloom-sim" --fits "$out/check.fits" start=60,-10,4 >/dev/null \
    || fail "the packaged starloom-sim does not run"
[[ -s $out/check.fits ]] || fail "the packaged starloom-sim wrote no FITS file"
echo "package $(basename "$deb") is complete"
