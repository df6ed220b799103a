# Sourced by the Windows tests: a Wine of their own (by default a prefix under the build folder,
# made once; WINEPREFIX chooses another),
# quiet, with no prompt for Mono or Gecko. Needs $folder (the Windows build folder).
export WINEPREFIX="${WINEPREFIX:-$folder/wine}"
export WINEARCH=win64
export WINEDEBUG=-all LANG=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=$(command -v wine || echo /usr/lib/wine/wine64)
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "wine: making the prefix $WINEPREFIX" >&2
    "$wine" wineboot --init >/dev/null 2>&1
    # The captions' face, as a Japanese Windows has it: IPAGothic under its Windows names.
    for face in 'ＭＳ ゴシック' 'MS Gothic'; do
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAGothic /f >/dev/null 2>&1
    done
    wineserver -w
fi
# A path of this machine as Windows programs see it (drive Z: is the root).
windows_path() { echo "Z:${1//\//\\}"; }
