#!/usr/bin/env bash
# Installs the build into a temporary prefix and builds the Debian package, then checks both as
# a user's desktop and shell meet them: every file in its place; the desktop entry, the
# AppStream metadata and the manual page valid; completion that answers; a desktop program that
# starts on the bundled sample without writing beside itself; a command line that answers.
# Usage: install_check.sh BUILD_DIR VERSION
set -uo pipefail
build=$1
version=$2
app_id=org.varnoltdbq.VarnoltDBQ
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# Runs a command; when it fails, so does the check, with the command's output.
must() {
  local out
  out=$("$@" 2>&1) || fail "$*"$'\n'"$out"
}
count_extracts() { find "$1" -maxdepth 1 -name '*.Xtract' 2>/dev/null | wc -l; }

# A new user: no settings, no data directory.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"
unset VARNOLTDBQ_FTP_PASSWORD

prefix=$work/prefix
must cmake --install "$build" --prefix "$prefix"
for file in bin/varnoltdbq bin/varnoltdbq-cli "share/applications/$app_id.desktop" \
  "share/metainfo/$app_id.metainfo.xml" "share/icons/hicolor/scalable/apps/$app_id.svg" \
  "share/icons/hicolor/16x16/apps/$app_id.png" "share/icons/hicolor/256x256/apps/$app_id.png" \
  share/man/man1/varnoltdbq-cli.1 share/bash-completion/completions/varnoltdbq-cli; do
  [[ -f $prefix/$file ]] || fail "not installed: $file"
done
sample=$prefix/share/varnoltdbq/sample-db
[[ $(count_extracts "$sample") == 7 ]] || fail "the sample database is not installed complete"

must desktop-file-validate "$prefix/share/applications/$app_id.desktop"
must appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
man_text=$(MANPAGER=cat MANWIDTH=100 man -l "$prefix/share/man/man1/varnoltdbq-cli.1" 2>&1) ||
  fail "man -l: $man_text"
for heading in SYNOPSIS COMMANDS ENVIRONMENT VARNOLTDBQ_FTP_PASSWORD "varnoltdbq-cli report"; do
  grep -q "$heading" <<<"$man_text" || fail "the manual page lacks \"$heading\""
done

cli=$prefix/bin/varnoltdbq-cli
gui=$prefix/bin/varnoltdbq
[[ $("$cli" --version) == "varnoltdbq-cli $version" ]] || fail "varnoltdbq-cli --version"
[[ $("$gui" --version) == "varnoltdbq $version" ]] || fail "varnoltdbq --version"
grep -q '"JobTotal": [1-9]' <<<"$("$cli" --db "$sample" catalogue --format json)" ||
  fail "the installed CLI does not load the installed sample"
# Before the first start there is no database: one line that points at the sample.
err=$("$cli" catalogue 2>&1 >/dev/null)
[[ $err == "varnoltdbq-cli: "*"--db $sample"* ]] || fail "error without a database: $err"

completion() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _varnoltdbq_cli
           echo "${COMPREPLY[*]}"' _ "$prefix/share/bash-completion/completions/varnoltdbq-cli" \
    "$cli" "$@"
}
[[ $(completion "") == *"catalogue show report"* ]] || fail "completion of commands"
[[ $(completion report S#) == "S#1 S#2 S#3 S#4 S#5" ]] || fail "completion of report codes"
[[ $(completion show "") == *"workstation schedule job"* ]] || fail "completion of kinds"
[[ $(completion report S#1 --format "") == "table json csv" ]] || fail "completion of formats"

# The desktop program's first start copies the sample into the user's data directory and keeps
# running on it; nothing lands beside the programs.
data=$XDG_DATA_HOME/VarnoltDBQ
QT_QPA_PLATFORM=offscreen "$gui" >"$work/gui.log" 2>&1 &
gui_pid=$!
for ((tries = 0; tries < 120; tries++)); do
  [[ $(count_extracts "$data/DBase") == 7 ]] && break
  kill -0 "$gui_pid" 2>/dev/null || break
  sleep 0.5
done
sleep 2 # the program goes on to load the copy
if kill -0 "$gui_pid" 2>/dev/null; then
  kill "$gui_pid"
  wait "$gui_pid"
else
  wait "$gui_pid"
  fail "the desktop program ended with $?: $(cat "$work/gui.log")"
fi
[[ $(count_extracts "$data/DBase") == 7 ]] || fail "the first start did not offer the sample"
[[ -d $data/Logs && -d $data/Saves ]] || fail "no log and saves directories in $data"
[[ $(ls "$prefix/bin" | tr '\n' ' ') == "varnoltdbq varnoltdbq-cli " ]] ||
  fail "files written beside the programs: $(ls "$prefix/bin")"
must "$cli" report S#1

# The secure module lies in the installed module directory, where the installed CLI opens it on
# a secure transfer: one to a closed port fails at the connection. Without the module the
# transfer fails naming it, and the keyring counts as absent.
module=$(find "$prefix" -path '*/varnoltdbq/varnoltdbq_secure.*' | head -n 1)
secure_transfer() {
  "$cli" --db "$work/secure-db" --log-dir "$work/secure-logs" transfer --protocol sftp \
    --host "127.0.0.1 1" --user nobody --remote-dir /extracts 2>&1
}
if [[ -z $module ]]; then
  fail "the secure module is not installed"
else
  cp -r "$sample" "$work/secure-db"
  out=$(VARNOLTDBQ_FTP_PASSWORD=unused secure_transfer)
  [[ $out == *"SFTP Transfer Failed: Could Not Connect"* ]] ||
    fail "the installed CLI does not open the secure module: $out"
  mv "$module" "$work/"
  out=$(secure_transfer)
  [[ $out == *"Secure Transfer Module Not Found: ${module##*/}"* &&
    $out == *"no keyring service runs"* ]] || fail "a missing secure module: $out"
  mv "$work/${module##*/}" "$module"
fi

# The Debian package: the same files below /usr, the libraries as dependencies, and a CLI that
# runs from the unpacked files.
must cpack -G DEB -B "$work/deb" --config "$build/CPackConfig.cmake"
deb=$(find "$work/deb" -maxdepth 1 -name '*.deb' | head -n 1)
if [[ -z $deb ]]; then
  fail "cpack made no .deb"
else
  contents=$(dpkg-deb -c "$deb")
  for path in usr/bin/varnoltdbq usr/bin/varnoltdbq-cli "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    usr/share/man/man1/varnoltdbq-cli.1 usr/share/bash-completion/completions/varnoltdbq-cli \
    usr/share/varnoltdbq/sample-db/Jobs.Xtract; do
    grep -q " \./$path\$" <<<"$contents" || fail "not in the package: /$path"
  done
  grep -q ' \./usr/lib/.*varnoltdbq/varnoltdbq_secure\.so$' <<<"$contents" ||
    fail "not in the package: the secure module"
  [[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version"
  depends=$(dpkg-deb -f "$deb" Depends)
  for library in libqt6widgets6 libicu libc6; do
    [[ $depends == *"$library"* ]] || fail "the package does not depend on $library: $depends"
  done
  dpkg-deb -x "$deb" "$work/unpacked"
  usr=$work/unpacked/usr
  grep -q '"reportNumber": 1' <<<"$("$usr/bin/varnoltdbq-cli" \
    --db "$usr/share/varnoltdbq/sample-db" report S#1 --format json)" ||
    fail "the packaged CLI does not run on the packaged sample"
fi

((failures == 0)) && echo "install check passed"
exit $((failures > 0))
