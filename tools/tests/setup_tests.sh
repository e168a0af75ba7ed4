#!/bin/bash
# tools/setup.sh against an apt that fails the ways a half-synced mirror makes
# it fail: the package tools are replaced by small stand-ins on PATH that log
# their calls, so nothing is installed and the machine is not touched.
#   setup_tests.sh WORK
set -euo pipefail
work=${1:?work folder}
setup=$(cd "$(dirname "$0")/.." && pwd)/setup.sh
rm -rf "$work" && mkdir -p "$work/bin"
bin=$work/bin

stand_in() { printf '#!/bin/bash\n%s\n' "$2" >"$bin/$1" && chmod +x "$bin/$1"; }
# apt-get: update fails the first $UPDATE_FAILS times; install succeeds, fails
# unless it is told the release suite (-t), or always fails, after $INSTALL.
stand_in apt-get '
echo "apt-get $*" >>"$LOG"
case $* in
  *update*)
    n=$(cat "$LOG.updates" 2>/dev/null || echo 0); echo $((n + 1)) >"$LOG.updates"
    ((n >= UPDATE_FAILS)) || { echo "E: File has unexpected size (Mirror sync in progress?)" >&2; exit 100; } ;;
  *install*)
    case $INSTALL in
      ok) ;;
      skew) [[ " $* " == *" -t "* ]] || { echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100; } ;;
      broken) echo "E: Unable to locate package" >&2; exit 100 ;;
    esac ;;
esac'
stand_in dpkg-query '[[ $ALL_INSTALLED == 1 ]] && echo installed; exit 0'
stand_in dpkg 'echo i386'
stand_in sleep 'exit 0'
stand_in sudo 'exec "$@"'
stand_in locale 'printf "%s\n" en_US.utf8 ru_RU.utf8 uk_UA.utf8 be_BY.utf8 de_DE.utf8 sv_SE.utf8'
stand_in locale-gen 'echo "locale-gen $*" >>"$LOG"'

codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
failures=0
# name | update failures | install | all installed | exit code | updates | installs | in the output
cases=(
  "mirror mid-sync, then in step|2|ok|0|0|3|1|"
  "update never succeeds|99|ok|0|0|3|1|going on with the indexes that arrived"
  "version skew between architectures|0|skew|0|0|1|2|candidates of $codename"
  "nothing can be installed|0|broken|0|1|1|2|could not install"
  "everything already there|0|broken|1|0|0|0|"
)
for c in "${cases[@]}"; do
  IFS='|' read -r name updateFails install allInstalled wantCode wantUpdates wantInstalls wantText <<<"$c"
  export LOG=$work/log UPDATE_FAILS=$updateFails INSTALL=$install ALL_INSTALLED=$allInstalled
  rm -f "$LOG" "$LOG.updates"
  code=0
  PATH=$bin:$PATH bash "$setup" >"$work/out" 2>&1 || code=$?
  updates=$(cat "$LOG" 2>/dev/null | grep -c ' update' || true)
  installs=$(cat "$LOG" 2>/dev/null | grep -c ' install' || true)
  problem=""
  [[ $code == "$wantCode" ]] || problem+=" exit $code (want $wantCode);"
  [[ $updates == "$wantUpdates" ]] || problem+=" $updates updates (want $wantUpdates);"
  [[ $installs == "$wantInstalls" ]] || problem+=" $installs installs (want $wantInstalls);"
  [[ -z $wantText ]] || grep -qF -- "$wantText" "$work/out" || problem+=" no \"$wantText\" in the output;"
  if [[ $install == skew ]] && ! grep -q -- "install .* -t $codename " "$LOG"; then
    problem+=" the second install did not take the $codename candidates;"
  fi
  if [[ -n $problem ]]; then
    echo "FAIL $name:$problem"; sed 's/^/    /' "$work/out"; failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
done
exit $((failures > 0))
