# Shared by the scripts: where things are and how Wine is run. Source it, do not run it.
REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_ROOT="$REPO_ROOT/build"

export WINEDEBUG=-all
# No Mono or Gecko install prompts, and no menu builder: it would write menu entries, icons and MIME
# types for the prefix's programs into the home folder.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"

# Wine's 32-bit loader needs the kernel's 32-bit support, which some machines switch off.
wine_runs_32bit() {
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The Windows preset whose tests run here: the shipping i686 build where 32-bit Wine works,
# otherwise the same code built for x86_64.
test_preset() {
  if wine_runs_32bit; then echo windows; else echo windows-x64; fi
}

# wine_prefix ARCH (win32 or win64): the project-local prefix for that architecture.
wine_prefix() {
  echo "$BUILD_ROOT/wine-$1"
}

wine_loader() {
  if [ "$1" = win32 ]; then echo /usr/lib/wine/wine; else echo /usr/lib/wine/wine64; fi
}

# The Windows presets whose tests run here: both builds where 32-bit Wine works (the shipping i686
# build first), otherwise the x86_64 build alone.
test_presets() {
  if wine_runs_32bit; then echo windows windows-x64; else echo windows-x64; fi
}

preset_arch() {
  if [ "$1" = windows ]; then echo win32; else echo win64; fi
}

# Starts a private Xvfb on a free display and exports DISPLAY; XVFB_PID names it.
start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

# disable_crash_debugger ARCH: in $WINEPREFIX, a program that crashes ends at once, its exit code
# the exception's, instead of waiting in Wine's debugger (winedbg keeps the crashed process, and so
# a test waiting on it, until someone closes its window).
disable_crash_debugger() {
  "$(wine_loader "$1")" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /t REG_SZ /d "" /f </dev/null >/dev/null 2>&1
}

# keep_shell_folders_inside PREFIX: a new prefix links the user's Desktop, Documents, Music and the
# like to the home folder, so that a program that writes there (a test of the desktop shortcut)
# writes outside the project. Each such link becomes an empty folder of the prefix's own; Wine
# leaves a folder that exists as it is when it updates the prefix.
keep_shell_folders_inside() {
  local prefix link target
  prefix=$(cd "$1" && pwd -P)
  while IFS= read -r -d '' link; do
    target=$(readlink -f -- "$link") || target=""
    case "$target" in
      "$prefix"/*) ;;
      *) rm -f -- "$link" && mkdir -- "$link" ;;
    esac
  done < <(find "$prefix/drive_c/users" -type l -print0)
}

# disable_menu_builder ARCH: in $WINEPREFIX, the menu builder stays off for every program started
# there, also by hand without this file's WINEDLLOVERRIDES.
disable_menu_builder() {
  "$(wine_loader "$1")" reg add 'HKCU\Software\Wine\DllOverrides' \
    /v winemenubuilder.exe /t REG_SZ /d "" /f </dev/null >/dev/null 2>&1
}
