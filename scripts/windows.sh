# shellcheck shell=bash
# Sourced by the scripts that build or run the Windows programs: where Qt for
# Windows is cached, the wine that runs the cross-built programs, and the DLL
# folders those programs load from. The toolchain file reads the same
# KELVRA_QT_MINGW.

export KELVRA_QT_MINGW=${KELVRA_QT_MINGW:-$HOME/.cache/kelvrawizard/qt6-mingw}
# shellcheck disable=SC2034 # for the scripts that source this
windows_build=build-windows # the mingw and mingw-qt presets'

# True when scripts/build-qt-windows has finished Qt's base modules there.
qt_for_windows_ready() {
    [[ -f "$KELVRA_QT_MINGW/.kelvra-base-complete" ]]
}

# Sets wine and wineserver; false when either is missing.
find_wine() {
    wine=$(command -v wine64 || command -v /usr/lib/wine/wine64 || command -v wine || true)
    wineserver=$(command -v wineserver || command -v /usr/lib/wine/wineserver64 || true)
    [[ -n "$wine" && -n "$wineserver" ]]
}

# The wine settings every run here shares: quiet, and without the .NET and web
# engines a prefix would otherwise offer to download.
wine_environment() {
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# Qt's DLLs and the MinGW C++ runtime they import, as a WINEPATH; Qt finds its
# plugins beside its own DLLs.
qt_dll_path() {
    local runtime pthread
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    pthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
    echo "Z:$KELVRA_QT_MINGW/bin;Z:$runtime;Z:$pthread"
}

# Gives the prefix what every Windows PC has and the window relies on: the font
# it asks for, Tahoma (wine's own copy, Debian's fonts-wine, installed as Windows
# installs a font, since this wine does not offer its data fonts by itself), and
# ClearType text smoothing, on by default since Windows 7; without it wine draws
# Tahoma's one-pixel stems too faint to see.
wine_prefix_like_windows() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" desktop='HKCU\Control Panel\Desktop'
    mkdir -p "$fonts"
    cp -u /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$fonts/"
    "$wine" reg add "$desktop" /v FontSmoothing /t REG_SZ /d 2 /f >/dev/null
    "$wine" reg add "$desktop" /v FontSmoothingType /t REG_DWORD /d 2 /f >/dev/null
}

# wine_with NAME=VALUE... PROGRAM.exe: runs the program under wine with those
# variables in its Windows environment. This wine does not hand a variable whose
# name begins with QT_ on from the Linux environment, so cmd sets them there.
wine_with() {
    local settings="" program
    while [[ $1 == *=* ]]; do
        settings+="set $1&& "
        shift
    done
    program=$(realpath "$1")
    "$wine" cmd /c "${settings}Z:${program//\//\\}"
}
