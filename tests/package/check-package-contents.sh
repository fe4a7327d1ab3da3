#!/usr/bin/env bash
set -euo pipefail
source="$1" build="$2" version="$3"
cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DNINEFOLD_TESTS=OFF \
    -DNINEFOLD_DEBIAN_LAYOUT=ON -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build" --parallel 2 >/dev/null
# Packed under the loosest umask: the package's permissions must not depend on it.
(umask 000 && cd "$build" && rm -f ninefold_*.deb && cpack -G DEB >/dev/null)
deb="$build/ninefold_${version}_amd64.deb"
[ -f "$deb" ] || { echo "no $deb"; exit 1; }

listing="$(dpkg-deb -c "$deb")"
files="$(awk '{print $6}' <<<"$listing")"
for f in ./usr/games/ninefold ./usr/lib/games/ninefold/ninefold \
    ./usr/lib/games/ninefold/ninefold-sound.so ./usr/share/games/ninefold/wav/click.wav \
    ./usr/share/games/ninefold/Images/opening.jpg \
    ./usr/share/games/ninefold/Images/gameover.es.jpg \
    ./usr/share/games/ninefold/translations/ninefold_de.qm \
    ./usr/share/applications/org.example.ninefold.Ninefold.desktop \
    ./usr/share/metainfo/org.example.ninefold.Ninefold.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/org.example.ninefold.Ninefold.png \
    ./usr/share/doc/ninefold/copyright ./usr/share/doc/ninefold/changelog.gz \
    ./usr/share/man/man6/ninefold.6.gz; do
    grep -qxF "$f" <<<"$files" || { echo "missing: $f"; exit 1; }
done
grep -qF './usr/share/games/ninefold/Ninefold Rules.de.doc' <<<"$listing" || exit 1
# No folder or file that others could change (links aside).
! grep -E '^[^l](....w|.......w)' <<<"$listing" || { echo "writable by others"; exit 1; }
# Nothing outside /usr, nothing of the build or the tests.
! grep -vE '^\./usr/' <<<"$files" | grep -v '^\./$' || { echo "outside /usr"; exit 1; }
! grep -qE 'ninefold-(sim|shot|assets|bench)|\.a$|gtest' <<<"$files" || { echo "extra files"; exit 1; }
# The game folder links to its data, relatively.
link="$(grep ' ./usr/lib/games/ninefold/wav -> ' <<<"$listing" | awk '{print $8}')"
[ "$link" = "../../../share/games/ninefold/wav" ] || { echo "wav link: $link"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ninefold ] && [ "$(field Version)" = "$version" ]
[ "$(field Section)" = games ] && [ "$(field Priority)" = optional ]
for dependency in libqt6widgets6 libqt6multimedia6 libc6 fonts-liberation2; do
    grep -q "$dependency" <<<"$(field Depends)" || { echo "Depends: $(field Depends)"; exit 1; }
done
# A Wayland session without an X server runs the game through Qt's Wayland platform.
grep -q qt6-wayland <<<"$(field Recommends)" || { echo "Recommends: $(field Recommends)"; exit 1; }
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ]

if command -v lintian >/dev/null; then
    report="$(lintian --fail-on error "$deb" 2>&1)" || { echo "$report"; exit 1; }
fi
