#!/bin/sh
# Runs the programs of an installation as a user would, with nothing from
# the build tree and no environment of its own beyond a plain PATH and HOME:
#   - every program answers --version;
#   - the wizard runs a sample template of the installation on the scripted
#     backend with XDG_DATA_DIRS unset and with a usual desktop value, its
#     open-file dialog starting in the installation's "Script Templates";
#     a copy of the wizard away from the installation finds the templates
#     along XDG_DATA_DIRS, past an entry that lacks them;
#   - with "desktop" (needs xvfb-run, xdotool, xprop): qvbrowser shows the
#     installed qv-console-demo's start page (the request reaches the
#     server), and the wizard opens its window with the GTK module loaded
#     from LIBDIR/quorvel and the installed icon as its window icon.
#
#   tests/install/check-installed.sh PREFIX LIBDIR [desktop]
#   (LIBDIR relative to PREFIX, e.g. lib or lib/x86_64-linux-gnu)
set -eu
prefix=$1
libdir=$2
desktop=${3:-}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
bin=$prefix/bin
templates=$prefix/share/quorvel/Script\ Templates
module=$prefix/$libdir/quorvel/libqv_ui_gtk.so

work=$(mktemp -d "${TMPDIR:-/tmp}/qv-installed.XXXXXX")
console_pid=""
cleanup() {
  [ -z "$console_pid" ] || kill "$console_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
mkdir -p "$work/home" "$work/empty"

fail() {
  echo "check-installed: $*" >&2
  exit 1
}
# A clean environment: only what a user's session would surely have (and
# the sanitizers' settings of a sanitizer build).
clean() {
  env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} "$@"
}

[ -f "$module" ] || fail "no GTK module at $module"
for program in qvscriptwizard qvbrowser qv-console-demo; do
  version=$(clean "$bin/$program" --version) || fail "$program --version failed"
  case $version in
    "$program (quorvel-tools) "*) ;;
    *) fail "$program --version printed: $version" ;;
  esac
done

# The shipped demo answers, with the template taken from the installation.
sed "s|^file templates/|file $templates/|" "$source_dir/templates/demo/disk-check.script" \
  > "$work/disk-check.script"

# run_wizard NAME PROGRAM [VAR=VALUE...]: a scripted run of the demo.
run_wizard() {
  name=$1 program=$2
  shift 2
  rm -f "$work/$name.vbs"
  clean QV_UI=script QV_UI_SCRIPT="$work/disk-check.script" \
    QV_UI_TRANSCRIPT="$work/$name.jsonl" "$@" "$program" "$work/$name.vbs" \
    2> "$work/$name.err" || fail "$name: the wizard failed: $(cat "$work/$name.err"; tail -n 1 "$work/$name.jsonl")"
  grep -qF "\"folder\":\"$templates\"" "$work/$name.jsonl" ||
    fail "$name: the open-file dialog did not start in $templates: $(grep '"file' "$work/$name.jsonl")"
  grep -q 'strDrive = "D:"' "$work/$name.vbs" || fail "$name: the script was not generated"
  if grep -q '<PARAM:' "$work/$name.vbs"; then fail "$name: tags left in the script"; fi
  echo "check-installed: $name: ok"
}
run_wizard xdg-unset "$bin/qvscriptwizard"
run_wizard xdg-desktop "$bin/qvscriptwizard" XDG_DATA_DIRS=/usr/share/gnome:/usr/local/share:/usr/share
mkdir -p "$work/moved/bin"
cp "$bin/qvscriptwizard" "$work/moved/bin/"
run_wizard moved-along-xdg "$work/moved/bin/qvscriptwizard" XDG_DATA_DIRS="$work/empty:$prefix/share"

[ "$desktop" = desktop ] || exit 0

# WebKit renders without compositing under Xvfb and, as root, without its
# sandbox.
webkit="WEBKIT_DISABLE_COMPOSITING_MODE=1 WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS=1 NO_AT_BRIDGE=1"

clean "$bin/qv-console-demo" --port 0 --log "$work/requests.log" > "$work/console.out" 2>&1 &
console_pid=$!
port=""
for _ in $(seq 1 50); do
  port=$(sed -n 's|.*listening on http://127.0.0.1:\([0-9]*\)/.*|\1|p' "$work/console.out")
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || fail "qv-console-demo did not start: $(cat "$work/console.out")"
printf 'dialog 102\nwait 2000\nkey escape\n' > "$work/browser.script"
# shellcheck disable=SC2086
clean xvfb-run -a env $webkit QV_UI=gtk QV_UI_SCRIPT="$work/browser.script" \
  QV_UI_TRANSCRIPT="$work/browser.jsonl" "$bin/qvbrowser" "127.0.0.1,$port,RecConsoleStatus.qvp" \
  2> "$work/browser.err" || fail "qvbrowser failed: $(cat "$work/browser.err")"
grep -qF 'GET /RecConsoleStatus.qvp 200 "Quorvel Console Browser"' "$work/requests.log" ||
  fail "the console did not receive the start page request: $(cat "$work/requests.log")"
kill "$console_pid"
console_pid=""
echo "check-installed: qvbrowser against qv-console-demo: ok"

# The wizard's window: which module the process loaded and the icon the
# window carries.
cat > "$work/window.sh" <<'INNER'
#!/bin/sh
"$1" & pid=$!
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name "Quorvel Scripting Wizard" 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
grep -o '/[^ ]*libqv_ui_gtk.so' "/proc/$pid/maps" | head -n 1
[ -n "$window" ] && xprop -id "$window" WM_CLASS _NET_WM_ICON | grep -o 'WM_CLASS.*\|Icon ([0-9 x]*)'
kill "$pid"
INNER
clean xvfb-run -a env $webkit QV_UI=gtk sh "$work/window.sh" "$bin/qvscriptwizard" \
  > "$work/window.out" 2> "$work/window.err" || true
loaded=$(head -n 1 "$work/window.out")
[ "$loaded" = "$module" ] ||
  fail "the wizard did not load $module (loaded: ${loaded:-nothing}): $(cat "$work/window.err")"
grep -q 'WM_CLASS.*"qvscriptwizard"' "$work/window.out" || fail "no wizard window: $(cat "$work/window.out")"
grep -q 'Icon (48 x 48)' "$work/window.out" || fail "the window has no 48 x 48 icon: $(cat "$work/window.out")"
echo "check-installed: the wizard's window with $module: ok"
