#!/usr/bin/env bash
# Installs the build into a temporary root (DESTDIR) and runs the installed
# programs from there as an ordinary user, for whom the installed program
# folder cannot be written: the files they write must land in the user's data
# folder. Usage: install_test.sh BUILD_FOLDER CMAKE
set -euo pipefail
build=$1
cmake=$2

root=$(mktemp -d)
dest=$root/dest
home=$root/home
program=$dest/opt/velmora
user_folder=$home/data/velmora
cleanup() {
  [[ -n "${started:-}" ]] && kill "$started" 2>/dev/null || true
  chmod -R u+w "$root" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT
chmod 755 "$root"

fail() {
  echo "install test: $*" >&2
  exit 1
}

DESTDIR=$dest "$cmake" --install "$build" --prefix /usr >/dev/null

for file in opt/velmora/velmora opt/velmora/velmora-cli opt/velmora/velmora-services opt/velmora/logo.htm \
  opt/velmora/data/ssdb.db opt/velmora/data/services.db opt/velmora/data/services.ini \
  usr/lib/systemd/system/velmora-services.service \
  usr/bin/velmora usr/bin/velmora-cli usr/share/applications/org.velmora.Velmora.desktop \
  usr/share/metainfo/org.velmora.Velmora.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/org.velmora.Velmora.svg \
  usr/share/icons/hicolor/48x48/apps/org.velmora.Velmora.png; do
  [[ -e "$dest/$file" ]] || fail "$file is not installed"
done
desktop-file-validate "$dest/usr/share/applications/org.velmora.Velmora.desktop"
appstreamcli validate --no-net "$dest/usr/share/metainfo/org.velmora.Velmora.metainfo.xml" >/dev/null ||
  fail "the AppStream metadata does not validate"

# The ordinary user: "nobody" when the tests run as root, else the user
# running them with the installation made read-only.
mkdir -p "$home"
if [[ $(id -u) -eq 0 ]]; then
  chown -R nobody "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
else
  chmod -R a-w "$program"
  as_user=()
fi
as_user=("${as_user[@]}" env HOME="$home" XDG_DATA_HOME="$home/data")
before=$(ls -R "$program")

line=$("${as_user[@]}" "$dest/usr/bin/velmora-cli" calendar 2027-01-01)
[[ "$line" == $'2027-01-01\t2026\t冬月廿四\t冬月廿四\t丙午年\t马\t摩羯座\t-\t元旦节\t-\t-' ]] ||
  fail "velmora-cli calendar printed: $line"

"${as_user[@]}" "$dest/usr/bin/velmora-cli" reading name --name 李明亮 --birth 1990-05-27 >/dev/null ||
  fail "the installed name reading failed"
[[ -f "$user_folder/ssbx.htm1" ]] || fail "the report page is not in the user's data folder"
grep -q '李明亮' "$user_folder/data/ssdi.db" 2>/dev/null || iconv -f GBK -t UTF-8 "$user_folder/data/ssdi.db" |
  grep -q '李明亮' || fail "the settings file is not in the user's data folder"

# The installed service answers from the installed, read-only program folder.
coproc service { exec "${as_user[@]}" "$program/velmora-services" --listen 127.0.0.1:0 --folder "$program" 2>/dev/null; }
started=$service_PID
read -r -t 10 listening <&"${service[0]}" || fail "the installed service did not start"
port=${listening##*:}
exec 3<>"/dev/tcp/127.0.0.1/$port"
printf 'GET /birthday/2-29.htm HTTP/1.0\r\n\r\n' >&3
[[ "$(head -n 1 <&3)" == "HTTP/1.1 200"* ]] || fail "the installed service did not answer"
exec 3<&-
kill "$started"
wait "$started" 2>/dev/null || true
started=

# The desktop program, offscreen: its start page loads and the viewer's copy
# of it is written into the user's data folder.
"${as_user[@]}" QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu \
  "$dest/usr/bin/velmora" >"$root/velmora.log" 2>&1 &
started=$!
for _ in $(seq 600); do
  [[ -s "$user_folder/temp.html" ]] && break
  kill -0 "$started" 2>/dev/null || { cat "$root/velmora.log" >&2; fail "velmora ended at start-up"; }
  sleep 0.1
done
[[ -s "$user_folder/temp.html" ]] || { cat "$root/velmora.log" >&2; fail "velmora did not show its start page"; }
# ... and it has started its bundled service from the user's data folder.
for _ in $(seq 100); do
  pgrep -P "$started" -f velmora-services >/dev/null && break
  sleep 0.1
done
pgrep -P "$started" -f velmora-services >/dev/null || fail "velmora did not start its bundled service"
kill "$started"
wait "$started" 2>/dev/null || true
started=

[[ "$(ls -R "$program")" == "$before" ]] || fail "something was written into the installed program folder"
echo "install test: installed into $dest and ran as $("${as_user[@]}" id -un)"
